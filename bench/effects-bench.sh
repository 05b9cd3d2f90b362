#!/bin/bash
# Prints the hotkey polling's figures under Wine: key-down to new alpha
# (median and 95th percentile) beside the 1 ms timer's tick period, and
# Vitrane's idle CPU time against a bare 1 ms timer program.
# Usage (from the repository root, after the win-x86_64 build; BENCH_ARCH=i686
# measures the win-i686 build with a 32-bit driver):
#   bench/effects-bench.sh [presses] [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
presses=${1:-60}
seconds=${2:-30}

# shellcheck source=bench/lib.sh
source "$root/bench/lib.sh"
out=$bench_out
state=$out/wine
bench_header
bench_build "$out/effects_bench.exe" "$root/bench/effects_bench.cpp"
cp "$out/effects_bench.exe" "$out/bare_timer.exe"
bench_wine

vitrane=$bench_bin/Vitrane.exe
win_path="Z:${vitrane//\//\\}"
"$root/scripts/wine-env.sh" run "$state" "$out/effects_bench.exe" "$win_path" "$presses" \
    "$seconds" </dev/null | while IFS= read -r line; do
    line=${line%$'\r'}  # read here, unbuffered: the marks must arrive on time
    case $line in
    "cpu: start")
        vp=$(pids_of Vitrane.exe)
        bp=$(pids_of bare_timer.exe)
        # shellcheck disable=SC2086
        v0=$(ticks_of $vp) b0=$(ticks_of $bp)
        ;;
    "cpu: end")
        # shellcheck disable=SC2086
        v=$(($(ticks_of $vp) - v0)) b=$(($(ticks_of $bp) - b0))
        hz=$(getconf CLK_TCK)
        awk -v v="$v" -v b="$b" -v hz="$hz" -v s="$seconds" 'BEGIN {
            printf "idle CPU over %d s: Vitrane %.2f s, bare 1 ms timer %.2f s, ratio %s\n",
                s, v / hz, b / hz, (b > 0 ? sprintf("%.2f", v / b) : "n/a") }'
        ;;
    *) echo "$line" ;;
    esac
done
