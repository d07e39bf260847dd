#!/usr/bin/env bash
# Exits 0 when the C++ compiler builds and runs a program with the address and
# undefined-behaviour sanitizers, as `make test` needs for its second run.
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
echo 'int main() { return 0; }' >"$dir/probe.cpp"
"${CXX:-c++}" -fsanitize=address,undefined "$dir/probe.cpp" -o "$dir/probe" 2>/dev/null && "$dir/probe"
