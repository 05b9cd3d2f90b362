#!/bin/bash
# Builds the 32-bit release programs from scratch in build/package and writes
# dist/Vitrane-<version>.zip: Vitrane.exe, Corvel.exe, README.txt, SHA256SUMS.
# Two runs on one commit give the same bytes, wherever the checkout lies:
# the programs carry no time stamp and no path, and every file in the zip has
# the commit's time, fixed permissions and no extra fields, in a fixed order.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh

version=$(sed -n 's/^set(VITRANE_VERSION \([0-9][0-9.]*\))$/\1/p' CMakeLists.txt)
if [[ -z $version ]]; then
    echo "package.sh: no VITRANE_VERSION in CMakeLists.txt" >&2
    exit 1
fi

# The time every file in the zip carries: the commit's, unless given.
if [[ -z ${SOURCE_DATE_EPOCH:-} ]]; then
    if ! SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null); then
        echo "package.sh: not a git checkout; set SOURCE_DATE_EPOCH" >&2
        exit 1
    fi
fi
if [[ -n $(git -C "$root" status --porcelain --untracked-files=no 2>/dev/null) ]]; then
    echo "Note: the working tree has uncommitted changes; this zip is not the commit's."
fi

# The release build is the preset's alone: flags from the shell would change it.
build=build/package
rm -rf "$build"
env -u CFLAGS -u CXXFLAGS -u CPPFLAGS -u LDFLAGS -u RCFLAGS \
    cmake --preset win-i686 -B "$build" >/dev/null
cmake --build "$build"

stage=$build/zip
mkdir -p "$stage" dist
cp "$build/bin/Vitrane.exe" "$build/bin/Corvel.exe" "$stage/"
# Notepad on every Windows from XP on reads UTF-8 by its BOM and wants CR LF.
{
    printf '\xef\xbb\xbf'
    tr -d '\r' <res/download-readme.txt | sed -e "s/@VERSION@/$version/g" -e 's/$/\r/'
} >"$stage/README.txt"
# CR LF here too: Notepad shows it, and sha256sum -c still reads it.
(cd "$stage" && sha256sum Corvel.exe README.txt Vitrane.exe | sed 's/$/\r/' >SHA256SUMS)

names=(Corvel.exe README.txt SHA256SUMS Vitrane.exe)  # sorted, as C sorts them
chmod 0644 "${names[@]/#/$stage/}"
touch -d "@$SOURCE_DATE_EPOCH" "${names[@]/#/$stage/}"

zip=dist/Vitrane-$version.zip
rm -f "$zip"
# -X: no extra fields (owner, extended times); the DOS time in each entry is
# local time, so the zone is fixed; ZIPOPT and ZIP would add options.
(cd "$stage" && env -u ZIPOPT -u ZIP TZ=UTC zip -X -D -9 -q "$root/$zip" "${names[@]}")

scripts/check-package.sh "$zip" "$build/bin"
echo "$(sha256sum "$zip" | cut -d' ' -f1)  $zip"
