#!/usr/bin/env bash
# fivra-sim refuses what it cannot honour, with a message and a non-zero exit, instead of
# playing something else: numbers out of range, a data folder without the rule files, a logs
# folder it cannot write.
#   ArgumentsTest.sh FIVRA_SIM DATA
set -uo pipefail
sim=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/empty"
touch "$work/a-file"
failures=0
refuse() {  # refuse WORD ARGS...: the run must exit non-zero and say WORD
    local word=$1
    shift
    "$sim" "$@" >"$work/out" 2>"$work/said"
    local code=$?
    if [ "$code" -eq 0 ] || ! grep -q -- "$word" "$work/said"; then
        echo "FAIL: fivra-sim $* exited $code and said: $(head -c 300 "$work/said")" >&2
        failures=$((failures + 1))
    fi
}
refuse "--rounds 4294967297" --rounds 4294967297 --data "$data"
refuse "--rounds -1" --rounds -1 --data "$data"
refuse "--search-samples 3000000000" --rounds 1 --search-samples 3000000000 --data "$data"
refuse "--search-samples 0" --rounds 1 --search-samples 0 --data "$data"
refuse "--seed 99999999999999999999" --rounds 1 --seed 99999999999999999999 --data "$data"
refuse "--seed 1x" --rounds 1 --seed 1x --data "$data"
refuse "lacks the rule files" --rounds 1 --data "$work/empty"
refuse "cannot be written" --rounds 1 --data "$data" --logs "$work/a-file/logs"
"$sim" --rounds 1 --seed 18446744073709551615 --data "$data" >/dev/null 2>&1 ||
    { echo "FAIL: the largest seed is refused" >&2; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] && echo "fivra-sim refuses every argument it cannot honour."
exit "$failures"
