#!/usr/bin/env bash
# CPU the game uses while it plays itself at normal speed: FIVRA_DEMO with a fixed seed for a
# fixed number of seconds (the table's timing is the same on every run, so the same rounds
# are played), on the offscreen platform. Prints the CPU seconds and the games finished, and
# leaves a picture of the table at the end in the given folder.
#   bench/demo-cpu.sh [BINARY] [SECONDS] [SEED] [PICTURE]
set -euo pipefail
binary=$(realpath "${1:-build/bin/fivrastar}")
seconds=${2:-900}
seed=${3:-1}
picture=$(realpath -m "${4:-demo-end.png}")
data=$(realpath "$(dirname "$0")/../data")
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$data"/* "$folder"/
# A Swedish desktop starts without the first start's language question.
export XDG_CONFIG_HOME="$folder/config" XDG_DATA_HOME="$folder/share" LC_ALL=sv_SE.UTF-8
(cd "$folder" && /usr/bin/time -f "%U %S" -o "$folder/time" env QT_QPA_PLATFORM=offscreen \
    FIVRA_DEMO=1 FIVRA_SPEED=1 FIVRA_SEED="$seed" FIVRA_SCREENSHOT="$picture" \
    FIVRA_SCREENSHOT_AFTER_MS=$((seconds * 1000)) "$binary" >/dev/null 2>&1)
games=$(grep -hE '^Total(Vi|De)=' "$folder"/config/Kolmbra/Fivrastar.ini 2>/dev/null |
        awk -F= '{ n += $2 } END { print n + 0 }')
awk -v t="$(cat "$folder/time")" -v s="$seconds" -v g="$games" -v seed="$seed" 'BEGIN {
    split(t, f, " "); cpu = f[1] + f[2]
    printf "demo, seed %d, %d s: %.2f CPU s (%.2f %% of a core), %d games finished\n",
           seed, s, cpu, 100 * cpu / s, g }'
