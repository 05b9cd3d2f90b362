#!/bin/bash
# Installs what is missing, builds every part for both architectures, and runs
# every test: unit tests (ASan + UBSan), the XP import checks of the 32-bit
# programs, and the Windows test drivers under Wine on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)

scripts/install-deps.sh

# Every part is built on every machine, so a compile error in the 32-bit test
# drivers shows here even where they cannot run.
presets=(win-i686 win-x86_64 e2e-i686 e2e-x86_64)
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "Wine legs: i686 (the programs users get) and x86_64."
else
    echo "Wine legs: x86_64 only. This machine cannot run 32-bit Linux programs, so"
    echo "32-bit Wine is out; the 32-bit programs are built and their imports checked."
fi
scripts/build.sh "${presets[@]}" native

for arch in i686 x86_64; do
    # (-R would list the set-up and clean-up fixtures too.)
    n=$(ctest --test-dir build/native -N | grep -cE "Test +#[0-9]+: (e2e|form)\.$arch\.[A-Za-z0-9]+$" || true)
    echo "Wine leg $arch: $n suites registered."
done

# The Wine tests start their own virtual display, whatever DISPLAY says.
set +e
env -u DISPLAY ctest --test-dir build/native --output-on-failure -j 2 --timeout 900 \
    | tee build/ctest.log
rc=${PIPESTATUS[0]}
set -e
echo "Full test run took $(( $(date +%s) - start )) s."
# ctest's summary stays the last thing said.
grep -E "tests passed|tests failed out of" build/ctest.log | tail -1
exit $rc
