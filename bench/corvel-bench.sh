#!/bin/bash
# Prints Corvel's figures under Wine: start to tray add, CPU time while a
# window is parked (against a bare 1 ms timer program), and the .exe sizes.
# Usage (from the repository root, after the win-x86_64 and win-i686 builds):
#   bench/corvel-bench.sh [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
out=$root/build/bench
state=$out/wine
mkdir -p "$out"

x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -municode -DUNICODE -D_UNICODE \
    -I"$root/tests/e2e" "$root/bench/corvel_bench.cpp" "$root/tests/e2e/harness.cpp" \
    -o "$out/corvel_bench.exe" -static -lshell32 -luser32 -lgdi32 -ladvapi32 -lpsapi

"$root/scripts/wine-env.sh" start "$state" x86_64 >/dev/null
trap '"$root/scripts/wine-env.sh" stop "$state"' EXIT

corvel=$root/build/win-x86_64/bin/Corvel.exe
win_path="Z:${corvel//\//\\}"
"$root/scripts/wine-env.sh" run "$state" "$out/corvel_bench.exe" "$win_path" "$seconds" | tr -d '\r'

for arch in i686 x86_64; do
    exe=$root/build/win-$arch/bin/Corvel.exe
    if [[ -f $exe ]]; then
        echo "Corvel.exe ($arch): $(stat -c %s "$exe") bytes"
    fi
done
