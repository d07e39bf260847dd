#!/usr/bin/env bash
# CPU the game uses while it waits for the player: starts the game twice with the same seed,
# once for SHORT and once for LONG seconds (it saves a screenshot and quits), and divides the
# difference in CPU seconds by the difference in seconds. Seed 3 makes SYD the dealer; the
# table then waits for SYD's decision (the bid panel with the current rule files).
#   bench/idle-cpu.sh [BINARY] [offscreen|xvfb] [SHORT] [LONG]
set -euo pipefail
binary=$(realpath "${1:-build/bin/fivrastar}")
platform=${2:-offscreen}
short=${3:-15}
long=${4:-35}
data=$(realpath "$(dirname "$0")/../data")
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$data"/* "$folder"/
# A Swedish desktop starts without the first start's language question.
export XDG_CONFIG_HOME="$folder/config" XDG_DATA_HOME="$folder/share" LC_ALL=sv_SE.UTF-8

# The X server runs apart, so that only the game's own CPU time is counted.
display=""
if [ "$platform" = xvfb ]; then
    Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$folder/display" 2>/dev/null &
    server=$!
    trap 'kill $server; rm -rf "$folder"' EXIT
    while [ ! -s "$folder/display" ]; do sleep 0.1; done
    display=$(cat "$folder/display")
fi

cpu_seconds() {
    local seconds=$1
    rm -rf "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"  # a first start each time: no game to resume
    local run=(env FIVRA_SEED=3 FIVRA_SCREENSHOT="$folder/shot.png"
               FIVRA_SCREENSHOT_AFTER_MS=$((seconds * 1000)) "$binary")
    if [ "$platform" = xvfb ]; then
        run=(env QT_QPA_PLATFORM=xcb DISPLAY=":$display" "${run[@]}")
    else
        run=(env QT_QPA_PLATFORM=offscreen "${run[@]}")
    fi
    (cd "$folder" && /usr/bin/time -f "%U %S" -o "$folder/time" "${run[@]}" >/dev/null 2>&1)
    awk '{ printf "%.3f", $1 + $2 }' "$folder/time"
}

a=$(cpu_seconds "$short")
b=$(cpu_seconds "$long")
awk -v a="$a" -v b="$b" -v s="$short" -v l="$long" -v p="$platform" 'BEGIN {
    printf "%s: %.3f CPU s over %d s, %.3f over %d s: %.2f %% of a core while waiting\n",
           p, a, s, b, l, 100 * (b - a) / (l - s) }'
