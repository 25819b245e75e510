#!/usr/bin/env bash
# Starts or stops the environment that the Windows test programs run in:
# a private X display (Xvfb) and a private Wine prefix inside the build tree.
#   wine-fixture.sh start STATE_DIR [win32|win64]
#   wine-fixture.sh stop STATE_DIR
# start records the architecture (default win32) for wine-run.sh and
# fresh-prefix.sh. A pristine prefix, STATE_DIR/template, is made once and
# kept; the tests' prefix is a copy of it, kept for later runs, and tests that
# need a prefix of their own copy the template too (fresh-prefix.sh). stop
# ends only the Xvfb and wineserver that belong to STATE_DIR.
set -euo pipefail
action=$1
state=$(mkdir -p "$2" && cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=wine-env.sh
. "$here/wine-env.sh"
if [ "$action" = start ]; then
  echo "${3:-win32}" >"$state/arch"
fi
arch=$(cat "$state/arch" 2>/dev/null || echo win32)
wine_environment "$state/prefix" "$arch"

stop_xvfb() {
  if [ -f "$state/xvfb.pid" ]; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
    rm -f "$state/xvfb.pid" "$state/display"
  fi
}

# A fresh prefix links the user's folders (Desktop, Documents, ...) to the
# host's home folder; the tests' folders must stay inside the build tree.
keep_user_folders_inside() {
  local link
  for link in "$1"/drive_c/users/*/*; do
    [ -L "$link" ] || continue
    rm "$link"
    mkdir "$link"
  done
}

make_template() {
  local template=$1
  echo "creating the template Wine prefix $template"
  rm -rf "$template"
  WINEPREFIX=$template "$WINELOADER" wineboot -i >/dev/null 2>&1
  # Without a window manager, managed windows take seconds to close; nothing
  # here needs the window manager, so windows stay unmanaged.
  WINEPREFIX=$template "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  WINEPREFIX=$template "$WINESERVER" -w
  [ -f "$template/system.reg" ] || { echo "Wine could not create the prefix $template" >&2; exit 1; }
}

start() {
  stop_xvfb
  "$WINESERVER" -k 2>/dev/null || true
  local fdfile=$state/displayfd
  rm -f "$fdfile"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >"$state/xvfb.log" 2>&1 &
  echo $! >"$state/xvfb.pid"
  for _ in $(seq 1 200); do
    [ -s "$fdfile" ] && break
    kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null || { echo "Xvfb did not start" >&2; cat "$state/xvfb.log" >&2; exit 1; }
    sleep 0.05
  done
  [ -s "$fdfile" ] || { echo "Xvfb gave no display" >&2; exit 1; }
  echo ":$(head -n1 "$fdfile")" >"$state/display"
  export DISPLAY
  DISPLAY=$(cat "$state/display")
  local template=$state/template
  [ -f "$template/system.reg" ] || make_template "$template"
  keep_user_folders_inside "$template"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "copying the template to the Wine prefix $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    cp -a "$template" "$WINEPREFIX"
  fi
  keep_user_folders_inside "$WINEPREFIX"
  "$WINESERVER" -w
  echo "display $DISPLAY, prefix $WINEPREFIX ($arch)"
}

stop() {
  "$WINESERVER" -k 2>/dev/null || true
  stop_xvfb
}

case "$action" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: wine-fixture.sh start|stop STATE_DIR [win32|win64]" >&2; exit 2 ;;
esac
