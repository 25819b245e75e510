#!/usr/bin/env bash
# Starts the quiz program of a Windows build tree under Wine: Verbolt, or
# Kielivis (the Finnish build) when PROGRAM=Kielivis.
#   [PROGRAM=Kielivis] [SCALE_DPI=144] run-app.sh WIN32_BUILD_DIR [FILE]
# On $DISPLAY the program runs until it is closed. Without a display it runs
# on a private virtual one, and screenshots of its main window, word list
# window, test window and Settings dialog are left in build/screenshot*.png.
# SCALE_DPI sets the display scale of the private prefix (default 96). Until
# the tree has a quiz program, wdltool shows the word list instead.
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
  "$WINESERVER" -k 2>/dev/null || true
  "$WINESERVER" -w
  [ -f "$state/prefix/user.reg" ] && "$root/tests/wine/set-scale.sh" "$state/prefix" "${SCALE_DPI:-96}"
  exec "$WINELOADER" "$program" "$file"
fi

"$root/tests/wine/wine-fixture.sh" start "$state" "$arch" >/dev/null
trap '"$root/tests/wine/wine-fixture.sh" stop "$state"' EXIT
"$root/tests/wine/set-scale.sh" "$state/prefix" "${SCALE_DPI:-96}"
DISPLAY=$(cat "$state/display")
export DISPLAY
"$root/tests/wine/wine-run.sh" "$state" "$program" "$file" &

# Shoots the window whose title matches pattern into screenshot-NAME.png.
shoot() {
  local window
  window=$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n1 || true)
  if [ -n "$window" ]; then
    # The window shows before its contents are painted.
    sleep 2
    import -window "$window" "${screenshot%.png}$2.png"
  else
    import -window root "${screenshot%.png}$2.png"
  fi
  echo "${screenshot%.png}$2.png"
}
main=$(timeout 60 xdotool search --sync --onlyvisible --name " - (Verbolt|Kielivisa)'97" | head -n1 || true)
shots=$(shoot " - (Verbolt|Kielivisa)'97" "")
if [ -n "$main" ]; then
  # The word list window (F3), the test window (F6) and Settings (F7), each
  # closed with Escape before the next.
  for step in "F3:Word[a-z]*list|Sanalista:-wordlist" "F6:^Test|^Koe:-test" "F7:Settings|Asetukset:-settings"; do
    key=${step%%:*} rest=${step#*:}
    xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main" 2>/dev/null || true
    xdotool key --clearmodifiers "$key"
    shots="$shots $(shoot "${rest%%:*}" "${rest#*:}")"
    xdotool key --clearmodifiers Escape
    sleep 1
  done
fi
echo "$name is running on the virtual display $DISPLAY; screenshots: $shots"
echo "Press Enter to close it."
read -r _ || true
