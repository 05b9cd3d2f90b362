#!/bin/bash
# Saves the README's pictures into docs/: the tray menu, the options dialog,
# the version dialog, the fade indicator and Corvel's five tray frames
# (enlarged). Starts the programs under its own Wine prefix and Xvfb.
# Needs the x86_64 programs and the e2e-x86_64 drivers built, ImageMagick and
# a Japanese font (fonts-ipafont-gothic).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${VITRANE_BIN:-$root/build/win-x86_64/bin}
driver=${SCREENSHOTS_DRIVER:-$root/build/e2e-x86_64/bin/screenshots_driver.exe}
state=${SCREENSHOTS_STATE:-$root/build/screenshots-wine}
out=$root/docs
work=$(mktemp -d)
mkdir -p "$out"

env -u DISPLAY "$root/scripts/wine-env.sh" start "$state" x86_64 >/dev/null
trap '"$root/scripts/wine-env.sh" stop "$state"; rm -rf "$work"' EXIT
display=$(sed -n 's/^DISPLAY=//p' "$state/env")

wine_reg() { "$root/scripts/wine-env.sh" run "$state" reg "$@" </dev/null >/dev/null 2>&1; }
# Wine's own system font has no Japanese: link a Japanese face to it, as
# Windows does, and give the dialogs' face a stand-in.
links='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
for face in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2'; do
    wine_reg add "$links" /v "$face" /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f
done
wine_reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d IPAPGothic /f

winpath() { echo "Z:${1//\//\\}"; }
VITRANE_BIN_DIR=$(winpath "$bin") "$root/scripts/wine-env.sh" run "$state" "$driver" \
    "$(winpath "$work")" </dev/null 2>/dev/null |
    while read -r tag name x y w h; do
        h=${h%$'\r'}
        if [[ $tag != SHOT ]]; then
            echo "$tag $name $x"
            continue
        fi
        DISPLAY=$display import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/$name.png"
        touch "$work/$name.done"
    done
if [[ -f $work/corvel-frames.bmp ]]; then
    convert "$work/corvel-frames.bmp" -scale 800% "$out/corvel-frames.png"
fi
ls -1 "$out"/*.png
