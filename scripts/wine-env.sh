#!/bin/bash
# The Wine and X environment shared by the run command, the tests and the
# benchmarks. Usage:
#   wine-env.sh start STATE_DIR ARCH   prefix, display, persistent wineserver
#   wine-env.sh display STATE_DIR      a display only (no Wine), as start makes it
#   wine-env.sh stop STATE_DIR         stops only what `start` or `display` started
#   wine-env.sh run STATE_DIR PROGRAM [ARGS...]
# STATE_DIR holds the prefix (wineprefix/) and what start recorded (env).
set -euo pipefail

cmd=$1
state=$(realpath -m "$2")
shift 2

wine_for() {
    if [[ $1 == i686 ]]; then echo /usr/lib/wine/wine; else echo /usr/lib/wine/wine64; fi
}

export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export WINEPREFIX="$state/wineprefix"

# Sets display and xvfb_pid: the DISPLAY given, or a virtual one of our own.
open_display() {
    xvfb_pid=""
    display=${DISPLAY:-}
    [[ -n $display ]] && return 0
    # The server picks a free number itself and reports it on a pipe, so
    # environments started at the same moment never share a display.
    local fifo="$state/display.fifo" n=""
    rm -f "$fifo"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >"$state/xvfb.log" 2>&1 &
    xvfb_pid=$!
    read -r -t 30 n <"$fifo" || true
    rm -f "$fifo"
    if [[ -z $n ]]; then
        echo "Xvfb did not report a display:" >&2
        cat "$state/xvfb.log" >&2
        kill "$xvfb_pid" 2>/dev/null || true
        return 1
    fi
    display=":$n"
    for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done
    echo "No display given: started a virtual one (Xvfb $display)."
}

record() {
    cat >"$state/env" <<EOT
DISPLAY=$display
XVFB_PID=$xvfb_pid
WINE=$1
EOT
}

case $cmd in
start)
    arch=${1:-x86_64}
    wine=$(wine_for "$arch")
    mkdir -p "$state"
    open_display
    export DISPLAY=$display
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        "$wine" wineboot -i >"$state/wineboot.log" 2>&1 </dev/null || true
        # No window manager here: don't wait for one before showing windows again.
        "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
            >/dev/null 2>&1 </dev/null || true
    fi
    # Persistent, so later starts are fast; its output must not hold ours open.
    /usr/lib/wine/wineserver -p >/dev/null 2>&1 </dev/null || true
    # Start the prefix's session (services, devices) here too: processes the
    # first program would start otherwise inherit that program's output and
    # keep a test runner waiting for it to close.
    "$wine" wineboot >/dev/null 2>&1 </dev/null || true
    record "$wine"
    ;;
display)
    mkdir -p "$state"
    open_display
    record ""
    ;;
stop)
    if [[ -f "$state/env" ]]; then
        # shellcheck disable=SC1091
        source "$state/env"
        if [[ -n ${WINE:-} ]]; then
            /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
            timeout 20 /usr/lib/wine/wineserver -w >/dev/null 2>&1 || true
        fi
        if [[ -n ${XVFB_PID:-} ]]; then
            kill "$XVFB_PID" 2>/dev/null || true
            for _ in $(seq 50); do kill -0 "$XVFB_PID" 2>/dev/null || break; sleep 0.1; done
            kill -9 "$XVFB_PID" 2>/dev/null || true
        fi
        rm -f "$state/env"
    fi
    ;;
run)
    # shellcheck disable=SC1091
    source "$state/env"
    export DISPLAY
    exec "$WINE" "$@"
    ;;
*)
    echo "usage: $0 start|display|stop|run STATE_DIR ..." >&2
    exit 2
    ;;
esac
