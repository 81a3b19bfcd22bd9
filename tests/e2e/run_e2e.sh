#!/usr/bin/env bash
# Usage: run_e2e.sh PREFIX E2E_TESTS.EXE KORVN32.EXE SHOTS_DIR [GTEST ARGS...]
# Runs the end-to-end tests: starts Xvfb on a free display, prepares the Wine
# prefix PREFIX (Wine's fonts, a virtual desktop for every program), runs the
# test program there with KORVN32.EXE as the program under test, turns its
# screenshots into PNGs in SHOTS_DIR, and stops everything it started
# (wineserver, Xvfb) however it ends. Extra GoogleTest arguments may also come
# from the environment variable E2E_ARGS. The exit status is the tests' own.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1 tests=$2 program=$3 shots=$4
shift 4
limit=${E2E_TIMEOUT:-240}

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  local status=$?
  if [ -d "$prefix" ]; then
    WINEPREFIX=$prefix wineserver -k 2>/dev/null
    WINEPREFIX=$prefix wineserver -w 2>/dev/null
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

fail() { echo "run_e2e.sh: $*" >&2; exit 1; }
[ -f "$tests" ] || fail "no test program at $tests"
[ -f "$program" ] || fail "no program under test at $program"

# The prefix, made once: the project's settings, then the virtual desktop.
"$here/../wine/prefix.sh" "$prefix" || fail "cannot make the Wine prefix $prefix"
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
desktop_stamp=$prefix/.korvane-e2e-desktop
desktop_sum=$(sha1sum < "$here/desktop.reg" | cut -d' ' -f1)
if [ "$(cat "$desktop_stamp" 2>/dev/null)" != "$desktop_sum" ]; then
  DISPLAY= wine regedit /S "$(DISPLAY= winepath -w "$here/desktop.reg")" >/dev/null 2>&1 || fail "cannot import desktop.reg"
  wineserver -w
  echo "$desktop_sum" > "$desktop_stamp"
fi

# A display of our own: Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb gave no display number"
export DISPLAY=:$(head -n1 "$work/display")

rm -rf "$shots"
mkdir -p "$shots"
export KORVANE_EXE=$(winepath -w "$program")
export KORVANE_SHOTS=$(winepath -w "$shots")
results=$work/results.xml

# shellcheck disable=SC2086
timeout -k 10 "$limit" wine "$tests" --gtest_output="xml:$(winepath -w "$results")" ${E2E_ARGS:-} "$@" &
wait $!
status=$?
if [ "$status" = 124 ] || [ "$status" = 137 ]; then
  echo "run_e2e.sh: the tests did not finish within $limit seconds" >&2
fi

# Screenshots as PNGs, named after their tests.
shopt -s nullglob
for bmp in "$shots"/*.bmp; do
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
count=$(ls "$shots" | wc -l)
echo "run_e2e.sh: $count screenshot(s) in $shots"

# The exit status alone is not trusted: the report must exist and show no failure.
if [ "$status" = 0 ]; then
  if [ ! -s "$results" ]; then
    echo "run_e2e.sh: the tests wrote no report" >&2
    status=1
  elif grep -q -E '<testsuites[^>]* (failures|errors)="[1-9]' "$results"; then
    echo "run_e2e.sh: the report shows failures" >&2
    status=1
  fi
fi
exit "$status"
