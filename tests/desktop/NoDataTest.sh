#!/usr/bin/env bash
# Starts the game where no data can be found: not in the current folder, not installed, not
# in the player's data folder. It must say where it looked and quit cleanly with code 1.
#   NoDataTest.sh GAME
set -uo pipefail
game=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/empty" "$work/home" "$work/nodata"
cd "$work/empty"
env HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" \
    XDG_DATA_DIRS="$work/nodata" QT_QPA_PLATFORM=offscreen "$game" 2>"$work/said"
code=$?
said=$(cat "$work/said")
[ "$code" -eq 1 ] || { echo "FAIL: exit code $code, not 1; it said: $said" >&2; exit 1; }
for place in "$work/empty" "$work/home/data/Kolmbra/Fivrastar" "$work/nodata/fivrastar"; do
    grep -qF "$place" "$work/said" || { echo "FAIL: the message does not name $place: $said" >&2; exit 1; }
done
grep -q "FivraPlayRulesAI.TXT" "$work/said" || { echo "FAIL: the message names no file" >&2; exit 1; }
[ -z "$(ls -A "$work/empty")" ] || { echo "FAIL: files were written into the empty folder" >&2; exit 1; }
echo "No data: one message naming every place, exit code 1."
