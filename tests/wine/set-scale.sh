#!/usr/bin/env bash
# Sets the display scale of a Wine prefix that is not running, in dots per
# inch (96 is 100%, 144 is 150%): the system's LogPixels values, which Wine
# reads when a program starts.
#   set-scale.sh PREFIX DPI
set -euo pipefail
prefix=$1
value='"LogPixels"=dword:'$(printf '%08x' "$2")
sed -i 's/^"LogPixels"=dword:[0-9a-f]*$/'"$value"'/' "$prefix/user.reg" "$prefix/system.reg"
# The user's own value, which a fresh prefix does not have yet.
if ! awk '/^\[/ { inside = index($0, "[Control Panel\\\\Desktop] ") == 1 }
          inside && /^"LogPixels"=/ { found = 1 }
          END { exit !found }' "$prefix/user.reg"; then
  printf '\n[Control Panel\\\\Desktop] 0\n%s\n' "$value" >>"$prefix/user.reg"
fi
