#!/usr/bin/env bash
# Starts or stops the environment that the Windows test programs run in:
# a private X display (Xvfb) and a private Wine prefix inside the build tree.
#   wine-fixture.sh start STATE_DIR
#   wine-fixture.sh stop STATE_DIR
# A pristine prefix, STATE_DIR/template, is made once and kept; the tests'
# prefix is a copy of it, kept for later runs, and tests that need a prefix of
# their own copy the template too (fresh-prefix.sh). stop ends only the Xvfb
# and wineserver that belong to STATE_DIR.
set -euo pipefail
action=$1
state=$(mkdir -p "$2" && cd "$2" && pwd)
mkdir -p "$state"
export WINEPREFIX=$state/prefix WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"

stop_xvfb() {
  if [ -f "$state/xvfb.pid" ]; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
    rm -f "$state/xvfb.pid" "$state/display"
  fi
}

start() {
  stop_xvfb
  wineserver -k 2>/dev/null || true
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
  if [ ! -f "$template/system.reg" ]; then
    echo "creating the template Wine prefix $template"
    rm -rf "$template"
    WINEPREFIX=$template wineboot -i >/dev/null 2>&1
    # Without a window manager, managed windows take seconds to close; nothing
    # here needs the window manager, so windows stay unmanaged.
    WINEPREFIX=$template wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    WINEPREFIX=$template wineserver -w
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "copying the template to the Wine prefix $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    cp -a "$template" "$WINEPREFIX"
  fi
  wineserver -w
  echo "display $DISPLAY, prefix $WINEPREFIX"
}

stop() {
  wineserver -k 2>/dev/null || true
  stop_xvfb
}

case "$action" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: wine-fixture.sh start|stop STATE_DIR" >&2; exit 2 ;;
esac
