#!/bin/bash
# Prints the CPU graph's figures under Wine: Vitrane's memory before and
# after many graph ticks at the shortest interval (a leak shows as growth),
# the tick rate, Vitrane's CPU time, and the cost of one tick.
# Usage (from the repository root, after the win-x86_64 build):
#   bench/cpugraph-bench.sh [ticks]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
ticks=${1:-20000}
out=$root/build/bench
state=$out/wine-cpugraph
mkdir -p "$out"

src=$root/src
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -municode -DUNICODE -D_UNICODE -DNOMINMAX \
    -I"$root/tests/e2e" -I"$src" "$root/bench/cpugraph_bench.cpp" "$root/tests/e2e/harness.cpp" \
    "$src/cpumon/cpu_graph.cpp" "$src/cpumon/graph_icon.cpp" "$src/cpumon/cpu_load.cpp" \
    "$src/cpumon/system_cpu_counters.cpp" "$src/core/tray_icon.cpp" "$src/common/text.cpp" \
    -o "$out/cpugraph_bench.exe" -static -lshell32 -luser32 -lgdi32 -ladvapi32 -lpsapi

"$root/scripts/wine-env.sh" start "$state" x86_64 >/dev/null
trap '"$root/scripts/wine-env.sh" stop "$state"' EXIT

# Resident memory (KB) and CPU ticks of this prefix's Vitrane.exe, as Linux sees them.
vitrane_pid() {
    local pid
    for pid in /proc/[0-9]*; do
        [[ $(cat "$pid/comm" 2>/dev/null) == Vitrane.exe ]] || continue
        grep -qzx "WINEPREFIX=$state/wineprefix" "$pid/environ" 2>/dev/null || continue
        echo "${pid#/proc/}"
        return
    done
}
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
cpu_ticks() {
    local stat
    stat=$(cat "/proc/$1/stat")
    stat=${stat##*) }
    read -r -a f <<<"$stat"
    echo $((f[11] + f[12]))
}

vitrane=$root/build/win-x86_64/bin/Vitrane.exe
win_path="Z:${vitrane//\//\\}"
"$root/scripts/wine-env.sh" run "$state" "$out/cpugraph_bench.exe" "$win_path" "$ticks" |
    while IFS= read -r line; do
    line=${line%$'\r'}
    case $line in
    "marker: before")
        pid=$(vitrane_pid)
        r0=$(rss_kb "$pid")
        c0=$(cpu_ticks "$pid")
        echo "Linux: Vitrane.exe resident before: $r0 KB"
        ;;
    "marker: after")
        r1=$(rss_kb "$pid")
        c=$(($(cpu_ticks "$pid") - c0))
        echo "Linux: Vitrane.exe resident after:  $r1 KB (growth $((r1 - r0)) KB)"
        hz=$(getconf CLK_TCK)
        awk -v c="$c" -v hz="$hz" -v n="$ticks" 'BEGIN {
            printf "Linux: Vitrane.exe CPU over the run %.2f s, %.0f us a tick (with the 1 ms hotkey polling)\n",
                c / hz, c / hz / n * 1e6 }'
        ;;
    *) echo "$line" ;;
    esac
done
