#!/usr/bin/env bash
# Usage: prefix.sh PREFIX
# Makes a private 32-bit Wine prefix at PREFIX once (nothing in it asks to
# download anything) and applies the project's settings to it. A prefix that
# is complete and made with the current settings is left alone, so this takes
# no time after the first run; when this script or a .reg file changes, the
# prefix is made afresh.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1
stamp=$prefix/.korvane-ready
shopt -s nullglob
settings=$(cat "$0" "$here"/*.reg | sha1sum | cut -d' ' -f1)
ready() { [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$settings" ]; }
ready && exit 0

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
ready && exit 0

rm -rf "$prefix"
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# wineboot needs no display for a prefix; keep it off any display that may be set.
DISPLAY= wineboot --init >/dev/null 2>&1
# Wine's own fonts (Debian's fonts-wine) are not found by this Wine in its data
# directory, although the prefix's registry names them ("MS Sans Serif" =
# sserife.fon): without them every dialog font falls back to DejaVu Sans, which
# is wider, and dialog templates come out too large with their texts cut.
# Putting them into the prefix's font folder, where the registry says they are,
# gives dialogs their "MS Sans Serif" (dialog base units 6 x 13 at 96 dpi).
fonts=/usr/share/wine/fonts
if [ -d "$fonts" ]; then
  cp -n "$fonts"/*.fon "$fonts"/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
fi
for reg in "$here"/*.reg; do
  [ -f "$reg" ] || continue
  DISPLAY= wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
done
wineserver -w
echo "$settings" > "$stamp"
