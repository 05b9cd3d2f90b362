#!/bin/bash
# Prints the hotkey polling's figures under Wine: key-down to new alpha
# (median and 95th percentile) beside the 1 ms timer's tick period, and
# Vitrane's idle CPU time against a bare 1 ms timer program.
# Usage (from the repository root, after the win-x86_64 build):
#   bench/effects-bench.sh [presses] [seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
presses=${1:-60}
seconds=${2:-30}
bin=${VITRANE_BENCH_BIN:-$root/build/win-x86_64/bin}
out=$root/build/bench-effects
state=$out/wine
mkdir -p "$out"

x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -municode -DUNICODE -D_UNICODE \
    -I"$root/tests/e2e" "$root/bench/effects_bench.cpp" "$root/tests/e2e/harness.cpp" \
    -o "$out/effects_bench.exe" -static -lshell32 -luser32 -lgdi32 -ladvapi32 -lpsapi
cp "$out/effects_bench.exe" "$out/bare_timer.exe"

"$root/scripts/wine-env.sh" start "$state" x86_64 >/dev/null
trap '"$root/scripts/wine-env.sh" stop "$state"' EXIT

# Linux PIDs of this prefix's processes named $1. Their CPU time is read as
# Linux counts it: Wine's GetProcessTimes for another process is coarse.
pids_of() {
    local p c
    for p in /proc/[0-9]*; do
        read -r c 2>/dev/null <"$p/comm" || continue
        [[ $c == "$1" ]] || continue
        grep -qzx "WINEPREFIX=$state/wineprefix" "$p/environ" 2>/dev/null || continue
        echo "${p#/proc/}"
    done
}

# CPU ticks (user + system) of the given PIDs.
ticks_of() {
    local total=0 pid stat
    for pid in "$@"; do
        read -r stat 2>/dev/null <"/proc/$pid/stat" || continue
        stat=${stat##*) }
        read -r -a f <<<"$stat"
        total=$((total + f[11] + f[12]))
    done
    echo $total
}

vitrane=$bin/Vitrane.exe
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
