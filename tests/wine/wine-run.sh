#!/usr/bin/env bash
# Runs one Windows program in the environment of wine-fixture.sh and passes
# its exit code on.
#   wine-run.sh STATE_DIR PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
state=$(cd "$1" && pwd)
shift
export WINEPREFIX=$state/prefix WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
DISPLAY=$(cat "$state/display")
export DISPLAY
exec wine "$@"
