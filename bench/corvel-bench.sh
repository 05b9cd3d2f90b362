#!/bin/bash
# Prints Corvel's figures under Wine: start to tray add, CPU time while a
# window is parked (against a bare 1 ms timer program), and the .exe sizes.
# Usage (from the repository root, after the win-x86_64 and win-i686 builds;
# BENCH_ARCH=i686 measures the 32-bit Corvel with a 32-bit driver):
#   bench/corvel-bench.sh [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}

# shellcheck source=bench/lib.sh
source "$root/bench/lib.sh"
out=$bench_out
state=$out/wine
bench_header
bench_build "$out/corvel_bench.exe" "$root/bench/corvel_bench.cpp"
cp "$out/corvel_bench.exe" "$out/bare_timer.exe"
bench_wine

corvel=$bench_bin/Corvel.exe
win_path="Z:${corvel//\//\\}"
# Read line by line as the lines come: the figures are taken at the markers.
"$root/scripts/wine-env.sh" run "$state" "$out/corvel_bench.exe" "$win_path" "$seconds" |
    while IFS= read -r line; do
    line=${line%$'\r'}
    case $line in
    "cpu: start")
        cp=$(pids_of Corvel.exe)
        bp=$(pids_of bare_timer.exe)
        # shellcheck disable=SC2086
        c0=$(ticks_of $cp) b0=$(ticks_of $bp)
        ;;
    "cpu: end")
        # shellcheck disable=SC2086
        c=$(($(ticks_of $cp) - c0)) b=$(($(ticks_of $bp) - b0))
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
