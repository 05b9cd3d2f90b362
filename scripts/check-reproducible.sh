#!/bin/bash
# Proves that the download is what the source makes: checks the current commit
# out twice into fresh folders of different names, runs scripts/package.sh in
# each under a different time zone and umask, and compares the SHA-256 of the
# zip and of each program. Also checks what the zip holds. Uncommitted changes
# are not part of it: the commit is what gets checked.
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
expected=(Corvel.exe README.txt SHA256SUMS Vitrane.exe)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
first=$work/a
second=$work/second-checkout-in-a-longer-folder

# The builds differ in folder, time zone and umask, and run a minute apart.
build_in() {
    local dir=$1 zone=$2 mask=$3
    git init -q "$dir"
    git -C "$dir" fetch -q "$root" "$commit"
    git -C "$dir" checkout -q --detach "$commit"
    if ! (cd "$dir" && umask "$mask" && env -u SOURCE_DATE_EPOCH TZ="$zone" \
        nice scripts/package.sh >"$work/$(basename "$dir").log" 2>&1); then
        echo "package.sh failed in $dir:"
        tail -20 "$work/$(basename "$dir").log"
        exit 1
    fi
}
build_in "$first" UTC 022
build_in "$second" Asia/Tokyo 077

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

# What the zip holds, in this order, each entry without extra fields.
listed=$(unzip -Z1 "$first/$zip")
if [[ $listed != "$(printf '%s\n' "${expected[@]}")" ]]; then
    echo "the zip holds: $(tr '\n' ' ' <<<"$listed"); want: ${expected[*]}"
    fail=1
fi
if zipinfo -v "$first/$zip" | grep 'length of extra field' | grep -qv ' 0 bytes'; then
    echo "an entry of the zip has extra fields"
    fail=1
fi
unpacked=$work/unpacked
mkdir "$unpacked"
unzip -q "$first/$zip" -d "$unpacked"
if ! (cd "$unpacked" && sha256sum --quiet -c SHA256SUMS); then
    echo "SHA256SUMS does not match the files beside it"
    fail=1
fi
for exe in Vitrane.exe Corvel.exe; do
    if ! cmp -s "$unpacked/$exe" "$first/build/package/bin/$exe"; then
        echo "$exe in the zip is not the one built"
        fail=1
    fi
done

# Notepad shows the read-me right only as UTF-8 with its BOM and CR LF lines.
readme=$unpacked/README.txt
if [[ $(head -c 3 "$readme" | od -An -tx1 | tr -d ' ') != efbbbf ]]; then
    echo "README.txt does not start with the UTF-8 byte order mark"
    fail=1
fi
if ! iconv -f UTF-8 -t UTF-8 "$readme" >/dev/null 2>&1; then
    echo "README.txt is not valid UTF-8"
    fail=1
fi
if LC_ALL=C grep -qv $'\r$' "$readme" || [[ $(tail -c 2 "$readme" | od -An -tx1 | tr -d ' ') != 0d0a ]]; then
    echo "README.txt has a line that does not end in CR LF"
    fail=1
fi
if ! grep -qF "$version" "$readme" || grep -q '@VERSION@' "$readme"; then
    echo "README.txt does not name version $version"
    fail=1
fi

echo "Two builds of ${commit:0:12} checked in $(($(date +%s) - start)) s."
if [[ $fail -eq 0 ]]; then
    echo "reproducible: the zip and both programs are byte-identical"
fi
exit $fail
