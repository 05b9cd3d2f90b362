#!/bin/bash
# Installs what is missing, builds, and starts Vitrane under Wine on the
# current display (or on a virtual one, with a screenshot once it is up).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

arch=x86_64
# The 32-bit build is the one users get; run it where 32-bit Wine works.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then arch=i686; fi
scripts/build.sh "win-$arch"

state=build/run
scripts/wine-env.sh start "$state" "$arch"
# shellcheck disable=SC1091
source "$state/env"
export DISPLAY
bin=build/win-$arch/bin

echo "Starting Vitrane ($arch) on display $DISPLAY."
scripts/wine-env.sh run "$state" "$bin/Vitrane.exe" >/dev/null 2>&1 </dev/null &
vitrane=$!

if [[ -n ${XVFB_PID:-} ]]; then
    # A virtual display: show what start-up gave by a picture.
    for _ in $(seq 300); do
        xwininfo -root -tree 2>/dev/null | grep -q '"Wine System Tray"' && break
        kill -0 "$vitrane" 2>/dev/null || break
        sleep 0.1
    done
    sleep 1  # let the window manager-less X server draw the tray window's frame
    import -display "$DISPLAY" -window root "$state/screenshot.png"
    echo "Vitrane is running; screenshot of the virtual display: $state/screenshot.png"
    echo "Press Ctrl+C to end it."
    trap 'kill $vitrane 2>/dev/null; scripts/wine-env.sh stop "$state"' EXIT
fi
wait "$vitrane" || true
