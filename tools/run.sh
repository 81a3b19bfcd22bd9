#!/usr/bin/env bash
# Runs Korvane / 32: installs what is missing, builds KORVN32.EXE and its help
# file, and starts the program under Wine on the user's display. Without a
# display it runs the program on a virtual one, saves a screenshot of the
# main window, says where, and stops it again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target KORVN32 korvn32_help >/dev/null

dist=$PWD/build/win32/dist
export WINEPREFIX=$PWD/build/win32/wineprefix-run
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
tests/wine/prefix.sh "$WINEPREFIX"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Starting $dist/KORVN32.EXE on display $DISPLAY"
  exec wine "$dist/KORVN32.EXE"
fi

echo "No X display is available: running the program on a virtual display instead."
shot=$PWD/build/win32/korvn32-main-window.png
xvfb_pid=
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# Xvfb picks a free display number and reports it.
exec 8< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null & echo "pid $!"; wait)
read -r _ xvfb_pid <&8
read -r display <&8
export DISPLAY=:$display

# Wine's virtual desktop gives the window a frame without a window manager.
wine explorer /desktop=korvane,1024x768 "$dist/KORVN32.EXE" >/dev/null 2>&1 &
for _ in $(seq 1 120); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"Korvane / 32"'; then break; fi
  sleep 0.5
done
xwininfo -root -tree | grep -q '"Korvane / 32"' || { echo "The main window did not appear." >&2; exit 1; }
# The picture is taken once the screen has stopped changing, so the window
# has finished painting.
previous=
for _ in $(seq 1 40); do
  import -window root "$shot"
  current=$(md5sum < "$shot")
  [ "$current" = "$previous" ] && break
  previous=$current
  sleep 0.25
done
echo "Screenshot of the main window: $shot"
