#!/bin/bash
# Fails when a source file of the programs includes a header from a folder
# that stands above its own. The order of the folders, from the bottom up, is
# written here and nowhere else: a file belongs to the longest folder of the
# list that holds it and may include from that folder and every folder listed
# before it. Tests may include anything and are not looked at.
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}

layers=(
  framework/host      # the host system's few calls that the window-free code needs
  framework/core      # window-free: texts, files, error reporting, Win32.h
  framework/registry  # registry keys
  framework/win       # the window framework: windows, dialogs, controls, drawing
  framework/entry     # the programs' WinMain
  resources           # the quiz program's resource ids, string table tool
  resources/english   # the English resource set
  resources/finnish   # the Finnish resource set
  wordlist            # the word list, its files, import, export, combining
  quiz/drill          # the window-free drill, answer marking, test, settings
  dialogs/system      # the About dialog's system information text
  editor/model        # the word list editor's rows, clipboard formats, search
  dialogs             # Settings, About and the file dialog
  editor              # the word list window and the word dialogs
  quiz                # the quiz program's windows and program
  wdltool             # the word file tool
  installer/script    # the setup script, its entries, the install log
  installer/phases    # the install phases against the system
  installer/remove    # Remove.exe
  installer/wizard    # Install.exe's windows
  installer           # Install.exe itself
)

cd "$root"
find "${layers[@]%%/*}" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.rc' \) | sort -u |
  while read -r file; do
    grep -H -o '^#include "[^"]*"' "$file" || true
  done |
  awk -v order="${layers[*]}" '
    BEGIN { n = split(order, folder, " "); for (i = 1; i <= n; ++i) rank[folder[i]] = i }
    # The rank of the longest listed folder that holds path, or 0.
    function rankOf(path,    best, dir) {
      best = 0
      for (dir = path; dir ~ /\//; ) {
        sub(/\/[^\/]*$/, "", dir)
        if (dir in rank && rank[dir] > best) { best = rank[dir]; break }
      }
      return best
    }
    {
      file = $0; sub(/:.*/, "", file)
      header = $0; sub(/^[^"]*"/, "", header); sub(/"$/, "", header)
      own = rankOf(file)
      if (own == 0) { print file ": its folder is not in the order of folders"; bad = 1; next }
      if (header !~ /\//) next
      if (rankOf(header) > own) { print file ": includes " header " from a folder above its own"; bad = 1 }
    }
    END { exit bad }'
echo "every include points down the order of folders"
