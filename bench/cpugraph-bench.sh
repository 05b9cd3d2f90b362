#!/bin/bash
# Prints the CPU graph's figures under Wine: Vitrane's memory before and
# after many graph ticks at the shortest interval (a leak shows as growth),
# the tick rate, Vitrane's CPU time, and the cost of one tick.
# Usage (from the repository root, after the win-x86_64 build; BENCH_ARCH=i686
# measures the win-i686 build with a 32-bit driver):
#   bench/cpugraph-bench.sh [ticks]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
ticks=${1:-20000}

# shellcheck source=bench/lib.sh
source "$root/bench/lib.sh"
out=$bench_out
state=$out/wine-cpugraph
bench_header
src=$root/src
bench_build "$out/cpugraph_bench.exe" "$root/bench/cpugraph_bench.cpp" \
    "$src/cpumon/cpu_graph.cpp" "$src/cpumon/graph_icon_win.cpp" "$src/cpumon/cpu_load.cpp" \
    "$src/cpumon/system_cpu_counters_win.cpp" "$src/common/tray_icon_win.cpp" "$src/common/text.cpp"
bench_wine

vitrane=$bench_bin/Vitrane.exe
win_path="Z:${vitrane//\//\\}"
"$root/scripts/wine-env.sh" run "$state" "$out/cpugraph_bench.exe" "$win_path" "$ticks" |
    while IFS= read -r line; do
    line=${line%$'\r'}
    case $line in
    "marker: before")
        pid=$(pids_of Vitrane.exe)
        pid=${pid%%$'\n'*}
        r0=$(rss_kb "$pid")
        c0=$(ticks_of "$pid")
        echo "Linux: Vitrane.exe resident before: $r0 KB"
        ;;
    "marker: after")
        r1=$(rss_kb "$pid")
        c=$(($(ticks_of "$pid") - c0))
        echo "Linux: Vitrane.exe resident after:  $r1 KB (growth $((r1 - r0)) KB)"
        hz=$(getconf CLK_TCK)
        awk -v c="$c" -v hz="$hz" -v n="$ticks" 'BEGIN {
            printf "Linux: Vitrane.exe CPU over the run %.2f s, %.0f us a tick (with the 1 ms hotkey polling)\n",
                c / hz, c / hz / n * 1e6 }'
        ;;
    *) echo "$line" ;;
    esac
done
