#!/usr/bin/env bash
# Starts the game twice at once on a first start, then once more while one copy runs: one copy
# plays, every other one says the game is already running and stops with code 0, none fails
# on the data folder's copy; a copy that is killed leaves no lock that stops the next start.
#   TwoCopiesTest.sh GAME DATA
set -uo pipefail
game=$1
data=$2
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/share/fivrastar" "$work/empty"
cp "$data"/* "$work/share/fivrastar/"
cd "$work/empty"
start() {  # start NAME: one copy in the background, its messages in $work/NAME
    env HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" \
        XDG_DATA_DIRS="$work/share" QT_QPA_PLATFORM=offscreen FIVRA_SEED=1 \
        "$game" 2>"$work/$1" &
    pids+=($!)
}
fail() { echo "FAIL: $*" >&2; exit 1; }

start a; start b
sleep 4
running=0
for p in "${pids[@]}"; do kill -0 "$p" 2>/dev/null && running=$((running + 1)); done
[ "$running" -eq 1 ] || fail "$running copies run, not 1; they said: $(cat "$work/a" "$work/b")"
grep -qE "already running|redan igång" "$work/a" "$work/b" || fail "no copy said the game runs already"
grep -q "cannot be copied" "$work/a" "$work/b" && fail "a first start failed on the copy"
[ -e "$work/home/config/Kolmbra/Fivrastar.lock" ] || fail "no lock file in the settings folder"

env HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data" \
    XDG_DATA_DIRS="$work/share" QT_QPA_PLATFORM=offscreen "$game" 2>"$work/c"
code=$?
[ "$code" -eq 0 ] || fail "the third copy exited with $code"
grep -qE "window is shown|fönster visas" "$work/c" || fail "the running copy was not asked to show: $(cat "$work/c")"

for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
wait 2>/dev/null
pids=()
start d
sleep 3
kill -0 "${pids[0]}" 2>/dev/null || fail "a killed copy's lock stopped the next start: $(cat "$work/d")"
echo "Two copies: one plays, the others say so; a killed copy's lock is taken over."
