#!/bin/bash
# Starts several environments' displays at the same moment, as parallel test
# runs do, and checks that each got a display of its own and that `stop` ends
# its own server and no other.
set -euo pipefail
count=${1:-4}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'for i in $(seq "$count"); do "$here/wine-env.sh" stop "$work/$i" || true; done; rm -rf "$work"' EXIT

for i in $(seq "$count"); do
    env -u DISPLAY "$here/wine-env.sh" display "$work/$i" >/dev/null &
done
wait

fail=0
displays=()
pids=()
for i in $(seq "$count"); do
    # shellcheck disable=SC1091
    (source "$work/$i/env" && echo "$DISPLAY $XVFB_PID") >"$work/$i.seen"
    read -r d p <"$work/$i.seen"
    displays+=("$d")
    pids+=("$p")
    if ! kill -0 "$p" 2>/dev/null; then
        echo "environment $i: its Xvfb ($p, display $d) is not running"
        fail=1
    fi
done
unique=$(printf '%s\n' "${displays[@]}" | sort -u | wc -l)
echo "displays: ${displays[*]}"
if [[ $unique -ne $count ]]; then
    echo "$count environments share $unique displays"
    fail=1
fi

# Stopping the first leaves the others running.
"$here/wine-env.sh" stop "$work/1"
if kill -0 "${pids[0]}" 2>/dev/null; then echo "stop left its own Xvfb running"; fail=1; fi
for i in $(seq 2 "$count"); do
    if ! kill -0 "${pids[$((i - 1))]}" 2>/dev/null; then
        echo "stopping environment 1 ended environment $i's Xvfb"
        fail=1
    fi
done
[[ $fail -eq 0 ]] && echo "$count environments, $count displays"
exit $fail
