#!/bin/bash
# Fails when a driver holds a test suite that no ctest test runs.
# Usage: check-suites.sh STATE_DIR DRIVER.exe REGISTERED_SUITE...
# A suite S is run through the filter "S.*:S/*", as WineTests.cmake registers it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
state=$1
driver=$2
shift 2

listed=$("$here/wine-env.sh" run "$state" "$driver" --gtest_list_tests </dev/null | tr -d '\r' |
    grep -E '^[A-Za-z_][A-Za-z0-9_/]*\.( .*)?$' | sed -E 's/\.( .*)?$//')
missing=0
while IFS= read -r suite; do
    [[ -z $suite ]] && continue
    covered=0
    for s in "$@"; do
        if [[ $suite == "$s" || $suite == "$s"/* ]]; then covered=1; break; fi
    done
    if [[ $covered -eq 0 ]]; then
        echo "suite $suite of $(basename "$driver") is run by no ctest test"
        missing=1
    fi
done <<<"$listed"
[[ $missing -eq 0 ]] && echo "$(wc -l <<<"$listed") suites of $(basename "$driver"), all registered"
exit $missing
