# Sourced by the bench scripts, after they set root: the build measured
# (BENCH_ARCH=i686 or x86_64, the default), building a driver of the same
# bitness, the Wine prefix, and what Linux says of the prefix's processes
# (Wine's GetProcessTimes for another process is coarse).

bench_arch=${BENCH_ARCH:-x86_64}
case $bench_arch in
i686 | x86_64) ;;
*) echo "BENCH_ARCH must be i686 or x86_64" >&2; exit 2 ;;
esac
# The programs measured, and where a script keeps its drivers and prefix.
bench_bin=${VITRANE_BENCH_BIN:-$root/build/win-$bench_arch/bin}
bench_out=$root/build/bench-$bench_arch
mkdir -p "$bench_out"

# What every figure depends on: which build, and how busy the machine was.
bench_header() {
    echo "build: $bench_arch ($bench_bin); load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
}

# bench_build EXE SOURCE... : a Windows driver linked with the test harness,
# of the bitness measured, so the floor it measures is that build's floor.
bench_build() {
    local exe=$1
    shift
    "$bench_arch-w64-mingw32-g++-posix" -std=c++20 -O2 -municode -DUNICODE -D_UNICODE -DNOMINMAX \
        -I"$root/tests/e2e" -I"$root/src" "$@" "$root/tests/e2e/harness.cpp" \
        -o "$exe" -static -lshell32 -luser32 -lgdi32 -ladvapi32 -lpsapi
}

# Starts the prefix's Wine (and a display if none is given) until the script ends.
bench_wine() {
    "$root/scripts/wine-env.sh" start "$state" "$bench_arch" >/dev/null
    trap '"$root/scripts/wine-env.sh" stop "$state"' EXIT
}

# Linux PIDs of this prefix's processes named $1.
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
    local total=0 pid stat f
    for pid in "$@"; do
        read -r stat 2>/dev/null <"/proc/$pid/stat" || continue
        stat=${stat##*) }
        read -r -a f <<<"$stat"
        total=$((total + f[11] + f[12]))
    done
    echo $total
}

# Resident memory of a PID in KB.
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
