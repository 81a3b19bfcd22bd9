#!/usr/bin/env bash
# Usage: run.sh PREFIX PROGRAM.EXE [ARGS...]
# Runs a Windows console program under Wine in a private prefix, making the
# prefix first if it does not exist yet, and returns the program's exit code.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1; shift
"$here/prefix.sh" "$prefix"
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
status=0
wine "$@" || status=$?
wineserver -k 2>/dev/null || true
exit "$status"
