#!/usr/bin/env bash
# Starts the quiz program of a Windows build tree under Wine: Verbolt, or
# Kielivis (the Finnish build) when PROGRAM=Kielivis.
#   [PROGRAM=Kielivis] run-app.sh WIN32_BUILD_DIR [FILE]
# On $DISPLAY the program runs until it is closed. Without a display it runs
# on a private virtual one, and a screenshot of its first window is left in
# build/screenshot.png. Until the tree has a quiz program, wdltool shows the
# word list instead.
set -euo pipefail
tree=$(cd "$1" && pwd)
shift
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=wine-env.sh
. "$root/tests/wine/wine-env.sh"
arch=$(tree_architecture "$tree")
file=${1:-$root/resources/samples/English-Finnish.wdl}
state=$tree/wine-run
name=${PROGRAM:-Verbolt}
program=$tree/quiz/$name.exe
screenshot=$(dirname "$tree")/screenshot.png

if [ ! -f "$program" ]; then
  echo "The quiz program is not built yet; showing the word list with wdltool instead."
  "$root/tests/wine/wine-fixture.sh" start "$state" "$arch" >/dev/null
  trap '"$root/tests/wine/wine-fixture.sh" stop "$state"' EXIT
  "$root/tests/wine/wine-run.sh" "$state" "$tree/wdltool/wdltool.exe" info "$file"
  exit
fi

if [ -n "${DISPLAY:-}" ]; then
  wine_environment "$state/prefix" "$arch"
  exec "$WINELOADER" "$program" "$file"
fi

"$root/tests/wine/wine-fixture.sh" start "$state" "$arch" >/dev/null
trap '"$root/tests/wine/wine-fixture.sh" stop "$state"' EXIT
DISPLAY=$(cat "$state/display")
export DISPLAY
"$root/tests/wine/wine-run.sh" "$state" "$program" "$file" &
window=$(timeout 60 xdotool search --sync --onlyvisible --name " - (Verbolt|Kielivisa)'97" | head -n1 || true)
if [ -n "$window" ]; then
  import -window "$window" "$screenshot"
else
  import -window root "$screenshot"
fi
echo "$name is running on the virtual display $DISPLAY; screenshot: $screenshot"
echo "Press Enter to close it."
read -r _ || true
