#!/usr/bin/env bash
# Usage: prefix.sh PREFIX
# Makes a private 32-bit Wine prefix at PREFIX once (nothing in it asks to
# download anything) and applies the project's settings to it. A prefix that
# is already complete is left alone, so this takes no time after the first run.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1
stamp=$prefix/.korvane-ready
[ -f "$stamp" ] && exit 0

mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$stamp" ] && exit 0

rm -rf "$prefix"
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# wineboot needs no display for a prefix; keep it off any display that may be set.
DISPLAY= wineboot --init >/dev/null 2>&1
for reg in "$here"/*.reg; do
  [ -f "$reg" ] || continue
  DISPLAY= wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
done
wineserver -w
touch "$stamp"
