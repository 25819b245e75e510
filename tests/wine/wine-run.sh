#!/usr/bin/env bash
# Runs one Windows program in the environment of wine-fixture.sh and passes
# its exit code on.
#   wine-run.sh STATE_DIR PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
state=$(cd "$1" && pwd)
shift
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=wine-env.sh
. "$here/wine-env.sh"
wine_environment "$state/prefix" "$(cat "$state/arch")"
DISPLAY=$(cat "$state/display")
export DISPLAY
exec "$WINELOADER" "$@"
