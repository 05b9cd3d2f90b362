#!/bin/bash
# Checks what a release zip holds. Usage: check-package.sh ZIP [BIN_DIR]
# The four files in a fixed order, no extra fields, sums that match, texts
# Notepad shows right, a read-me that names the zip's version, and, with
# BIN_DIR, the programs built there.
set -euo pipefail
zip=$1
bin=${2:-}
expected=(Corvel.exe README.txt SHA256SUMS Vitrane.exe)
version=$(basename "$zip" .zip)
version=${version#Vitrane-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
problem() {
    echo "$(basename "$zip"): $*"
    fail=1
}

listed=$(unzip -Z1 "$zip")
if [[ $listed != "$(printf '%s\n' "${expected[@]}")" ]]; then
    problem "holds $(tr '\n' ' ' <<<"$listed"); want ${expected[*]}"
fi
if zipinfo -v "$zip" | grep 'length of extra field' | grep -qv ' 0 bytes'; then
    problem "an entry has extra fields"
fi
unzip -q "$zip" -d "$work"
if ! (cd "$work" && sha256sum --quiet -c SHA256SUMS); then
    problem "SHA256SUMS does not match the files beside it"
fi
if [[ -n $bin ]]; then
    for exe in Vitrane.exe Corvel.exe; do
        cmp -s "$work/$exe" "$bin/$exe" || problem "$exe is not the one in $bin"
    done
fi

# Notepad shows the texts right only with CR LF lines, and the read-me only
# as UTF-8 with its byte order mark.
for text in README.txt SHA256SUMS; do
    if LC_ALL=C grep -qv $'\r$' "$work/$text" ||
        [[ $(tail -c 2 "$work/$text" | od -An -tx1 | tr -d ' ') != 0d0a ]]; then
        problem "$text has a line that does not end in CR LF"
    fi
done
readme=$work/README.txt
if [[ $(head -c 3 "$readme" | od -An -tx1 | tr -d ' ') != efbbbf ]]; then
    problem "README.txt does not start with the UTF-8 byte order mark"
fi
iconv -f UTF-8 -t UTF-8 "$readme" >/dev/null 2>&1 || problem "README.txt is not valid UTF-8"
if ! grep -qF "Vitrane $version" "$readme" || grep -q '@VERSION@' "$readme"; then
    problem "README.txt does not name version $version"
fi
[[ $fail -eq 0 ]] && echo "$(basename "$zip"): ${expected[*]}, as they should be"
exit $fail
