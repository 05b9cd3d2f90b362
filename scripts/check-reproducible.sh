#!/bin/bash
# Proves that the download is what the source makes: checks the current commit
# out twice into fresh folders of different names, runs scripts/package.sh in
# each under another time zone, umask and locale, and compares the SHA-256 of
# the zip and of each program; then checks what the zip holds. Uncommitted
# changes are not part of it: the commit is what gets checked.
# Exits 77 (skipped) outside a git checkout.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
start=$(date +%s)

if ! commit=$(git -C "$root" rev-parse --verify -q HEAD); then
    echo "not a git checkout: nothing to check out twice"
    exit 77
fi
version=$(sed -n 's/^set(VITRANE_VERSION \([0-9][0-9.]*\))$/\1/p' "$root/CMakeLists.txt")
zip=dist/Vitrane-$version.zip

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
first=$work/a
second=$work/second-checkout-in-a-longer-folder

# The builds differ in folder, time zone, umask and locale, and run a minute apart.
build_in() {
    local dir=$1 zone=$2 mask=$3 locale=$4
    git init -q "$dir"
    git -C "$dir" fetch -q "$root" "$commit"
    git -C "$dir" checkout -q --detach "$commit"
    if ! (cd "$dir" && umask "$mask" && env -u SOURCE_DATE_EPOCH TZ="$zone" LC_ALL="$locale" \
        nice scripts/package.sh >"$work/$(basename "$dir").log" 2>&1); then
        echo "package.sh failed in $dir:"
        tail -20 "$work/$(basename "$dir").log"
        exit 1
    fi
}
build_in "$first" UTC 022 C
build_in "$second" Asia/Tokyo 077 C.UTF-8

fail=0
compare() {
    local name=$1 a=$2 b=$3 sa sb
    sa=$(sha256sum "$a" | cut -d' ' -f1)
    sb=$(sha256sum "$b" | cut -d' ' -f1)
    if [[ $sa == "$sb" ]]; then
        echo "same   $sa  $name"
    else
        echo "DIFFER $name: $sa / $sb; first differing bytes (offset, octal):"
        cmp -l "$a" "$b" | head -5 || true
        fail=1
    fi
}
compare "$zip" "$first/$zip" "$second/$zip"
for exe in Vitrane.exe Corvel.exe; do
    compare "$exe" "$first/build/package/bin/$exe" "$second/build/package/bin/$exe"
done

# What the zip holds.
"$first/scripts/check-package.sh" "$first/$zip" "$first/build/package/bin" || fail=1

echo "Two builds of ${commit:0:12} checked in $(($(date +%s) - start)) s."
if [[ $fail -eq 0 ]]; then
    echo "reproducible: the zip and both programs are byte-identical"
fi
exit $fail
