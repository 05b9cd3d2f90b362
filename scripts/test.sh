#!/bin/bash
# Installs what is missing, builds every part for both architectures, and runs
# every test: unit tests (ASan + UBSan), the XP import checks of the 32-bit
# programs, and the Windows test drivers under Wine on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)

scripts/install-deps.sh

presets=(win-i686 win-x86_64 e2e-x86_64)
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    presets+=(e2e-i686)
else
    echo "Note: this machine cannot run 32-bit Linux programs, so 32-bit Wine is out;"
    echo "      the 32-bit programs are built and checked, the Wine tests run the 64-bit ones."
fi
scripts/build.sh "${presets[@]}" native

# The Wine tests start their own virtual display, whatever DISPLAY says.
set +e
env -u DISPLAY ctest --test-dir build/native --output-on-failure -j 2 --timeout 900
rc=$?
set -e
echo "Full test run took $(( $(date +%s) - start )) s."
exit $rc
