#!/usr/bin/env bash
# Runs one Windows program in a Wine prefix of its own, made from the
# template prefix of wine-fixture.sh, on the fixture's X display, so that
# nothing the program changes reaches other tests. The prefix and its
# wineserver are removed afterwards; the exit code is the program's.
#   [SCALE_DPI=144] fresh-prefix.sh STATE_DIR NAME PROGRAM.exe [ARGUMENTS...]
# SCALE_DPI sets the display scale of the prefix in dots per inch.
set -euo pipefail
state=$(cd "$1" && pwd)
prefix=$state/fresh-$2
shift 2
template=$state/template
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=wine-env.sh
. "$here/wine-env.sh"
wine_environment "$prefix" "$(cat "$state/arch")"
DISPLAY=$(cat "$state/display")
export DISPLAY

remove_prefix() {
  if [ -d "$prefix" ]; then
    "$WINESERVER" -k 2>/dev/null || true
    rm -rf "$prefix"
  fi
}
remove_prefix
trap remove_prefix EXIT
# The copy shares the template's files through hard links, which is fast;
# the files that Wine rewrites in place get copies of their own. The registry
# files are replaced as a whole when Wine saves them.
cp -al "$template" "$prefix"
for file in "$prefix"/*.reg "$prefix"/drive_c/windows/*.ini; do
  [ -f "$file" ] && cp --remove-destination "$template/${file#"$prefix"/}" "$file"
done
if [ -n "${SCALE_DPI:-}" ]; then
  "$here/set-scale.sh" "$prefix" "$SCALE_DPI"
fi
"$WINELOADER" "$@"
