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
cp "$out/corvel_bench.exe" "$out/bare_timer.exe"

"$root/scripts/wine-env.sh" start "$state" x86_64 >/dev/null
trap '"$root/scripts/wine-env.sh" stop "$state"' EXIT

# CPU ticks (user + system) of this prefix's processes named $1, as Linux
# counts them: Wine's GetProcessTimes for another process is coarse.
linux_ticks() {
    local total=0 pid stat f
    for pid in $(pgrep -x "$1"); do
        grep -qzx "WINEPREFIX=$state/wineprefix" "/proc/$pid/environ" 2>/dev/null || continue
        stat=$(<"/proc/$pid/stat") || continue
        stat=${stat##*) }
        read -r -a f <<<"$stat"
        total=$((total + f[11] + f[12]))
    done
    echo $total
}

corvel=$root/build/win-x86_64/bin/Corvel.exe
win_path="Z:${corvel//\//\\}"
# Read line by line as the lines come: the figures are taken at the markers.
"$root/scripts/wine-env.sh" run "$state" "$out/corvel_bench.exe" "$win_path" "$seconds" |
    while IFS= read -r line; do
    line=${line%$'\r'}
    case $line in
    "cpu: start")
        c0=$(linux_ticks Corvel.exe)
        b0=$(linux_ticks bare_timer.exe)
        ;;
    "cpu: end")
        c=$(($(linux_ticks Corvel.exe) - c0))
        b=$(($(linux_ticks bare_timer.exe) - b0))
        hz=$(getconf CLK_TCK)
        awk -v c="$c" -v b="$b" -v hz="$hz" -v s="$seconds" 'BEGIN {
            printf "CPU over %d s as Linux counts it: Corvel %.2f s, bare 1 ms timer %.2f s, ratio %s\n",
                s, c / hz, b / hz, (b > 0 ? sprintf("%.2f", c / b) : "n/a") }'
        ;;
    *) echo "$line" ;;
    esac
done

for arch in i686 x86_64; do
    exe=$root/build/win-$arch/bin/Corvel.exe
    if [[ -f $exe ]]; then
        echo "Corvel.exe ($arch): $(stat -c %s "$exe") bytes"
    fi
done
