#!/usr/bin/env bash
# Runs Install.exe of a Windows build tree under Wine in a clean prefix, made
# anew from the template prefix each time and kept afterwards for a look
# (WIN32_BUILD_DIR/wine-install/prefix).
#   [SCALE_DPI=144] run-install.sh WIN32_BUILD_DIR [/S] [/D=folder]
# SCALE_DPI sets the display scale of the prefix (default 96).
# On $DISPLAY the wizard runs until it ends. Without a display it runs on a
# private virtual one: a silent install (/S) runs to its end; otherwise a
# screenshot of the wizard is left in build/install.png. The exit code is
# Install.exe's.
set -euo pipefail
tree=$(cd "$1" && pwd)
shift
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=wine-env.sh
. "$root/tests/wine/wine-env.sh"
arch=$(tree_architecture "$tree")
state=$tree/wine-install
program=$tree/installer/Install.exe
screenshot=$(dirname "$tree")/install.png

"$root/tests/wine/wine-fixture.sh" stop "$state"
rm -rf "$state/prefix"
if [ -n "${DISPLAY:-}" ]; then
  "$root/tests/wine/wine-fixture.sh" start "$state" "$arch" >/dev/null
  "$root/tests/wine/wine-fixture.sh" stop "$state"
  "$root/tests/wine/set-scale.sh" "$state/prefix" "${SCALE_DPI:-96}"
  wine_environment "$state/prefix" "$arch"
  exec "$WINELOADER" "$program" "$@"
fi

"$root/tests/wine/wine-fixture.sh" start "$state" "$arch" >/dev/null
"$root/tests/wine/set-scale.sh" "$state/prefix" "${SCALE_DPI:-96}"
trap '"$root/tests/wine/wine-fixture.sh" stop "$state"' EXIT
case " $* " in
  *" /S "*|*" /s "*)
    set +e
    "$root/tests/wine/wine-run.sh" "$state" "$program" "$@"
    code=$?
    echo "Install.exe ended with $code; the prefix is $state/prefix"
    exit $code ;;
esac
DISPLAY=$(cat "$state/display")
export DISPLAY
"$root/tests/wine/wine-run.sh" "$state" "$program" "$@" &
timeout 60 xdotool search --sync --onlyvisible --name "Enter destination path" >/dev/null || true
import -window root "$screenshot"
echo "Install is running on the virtual display $DISPLAY; screenshot: $screenshot"
echo "Press Enter to close it."
read -r _ || true
