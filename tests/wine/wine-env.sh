# Sourced by the Wine scripts: the environment that runs the programs of one
# Windows build tree under the Wine of the tree's architecture.
#   wine_environment PREFIX ARCH     ARCH: win32 or win64
# Afterwards "$WINELOADER" runs a Windows program and "$WINESERVER" is the
# matching server. The "wine" command is not used: where both Wines are
# installed it always picks the 32-bit one, which hosts that run 64-bit code
# only cannot start.

# The folder of Debian's Wine loaders and servers.
wine_library_folder() {
  local folder
  for folder in /usr/lib/wine /usr/lib/x86_64-linux-gnu/wine /usr/lib/i386-linux-gnu/wine; do
    if [ -x "$folder/wine64" ] || [ -x "$folder/wine" ]; then
      echo "$folder"
      return 0
    fi
  done
  return 1
}

wine_environment() {
  local folder
  folder=$(wine_library_folder) || { echo "Wine is not installed" >&2; return 1; }
  export WINEPREFIX=$1 WINEARCH=$2 WINEDEBUG=-all
  export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
  # Wine's sound driver and its libraries keep files below the user's
  # configuration and cache folders; these stay beside the prefix.
  export XDG_CONFIG_HOME XDG_CACHE_HOME
  XDG_CONFIG_HOME=$(dirname "$1")/xdg-config XDG_CACHE_HOME=$(dirname "$1")/xdg-cache
  case "$2" in
    win64) export WINELOADER=$folder/wine64 WINESERVER=$folder/wineserver64 ;;
    win32) export WINELOADER=$folder/wine WINESERVER=$folder/wineserver32 ;;
    *) echo "unknown Wine architecture '$2'" >&2; return 1 ;;
  esac
  [ -x "$WINESERVER" ] || WINESERVER=$folder/wineserver
}

# The architecture of a Windows build tree, written when it was configured.
tree_architecture() {
  cat "$1/wine-arch"
}
