#!/usr/bin/env bash
# Start-up and memory at rest under a real X server (Xvfb, 1366x768x24), each start with a
# fresh settings folder on a Swedish desktop (no question before the table):
# - start to first frame: the game is started RUNS times with a screenshot due at once; the
#   wall time from the start to the saved picture of the first frame (and the exit) is taken,
#   and the median printed;
# - resident memory: the game is started and left waiting for SYD (seed 3) for IDLE seconds,
#   then its VmRSS is read.
#   bench/start-frame.sh [BINARY] [RUNS] [IDLE]
set -euo pipefail
binary=$(realpath "${1:-build/bin/fivrastar}")
runs=${2:-5}
idle=${3:-10}
data=$(realpath "$(dirname "$0")/../data")
folder=$(mktemp -d)
cp "$data"/* "$folder"/
export XDG_CONFIG_HOME="$folder/config" XDG_DATA_HOME="$folder/share" LC_ALL=sv_SE.UTF-8
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$folder/display" 2>/dev/null &
server=$!
trap 'kill $server; rm -rf "$folder"' EXIT
while [ ! -s "$folder/display" ]; do sleep 0.1; done
export QT_QPA_PLATFORM=xcb DISPLAY=":$(cat "$folder/display")" FIVRA_SEED=3

cd "$folder"
times=()
for _ in $(seq "$runs"); do
    rm -rf "$folder/config" "$folder/share"  # every start is a first start: nothing to resume
    start=$(date +%s.%N)
    FIVRA_SCREENSHOT="$folder/first.png" FIVRA_SCREENSHOT_AFTER_MS=0 "$binary" >/dev/null 2>&1
    end=$(date +%s.%N)
    times+=("$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')")
done
printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END {
    printf "start to first frame: median %.3f s of %d (", t[int((NR + 1) / 2)], NR
    for (i = 1; i <= NR; ++i) printf "%s%s", t[i], i < NR ? " " : ")\n" }'

rm -rf "$folder/config" "$folder/share"
"$binary" >/dev/null 2>&1 &
game=$!
sleep "$idle"
awk -v s="$idle" '/VmRSS/ { printf "resident memory after %d s at rest: %.1f MB\n", s, $2 / 1024 }' \
    "/proc/$game/status"
kill "$game"
