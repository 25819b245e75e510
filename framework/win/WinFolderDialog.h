#pragma once
// CWinFolderDialog: the shell's folder browser. Run it, then read the chosen
// folder with getPath(). The object owns the chosen item.
#include "framework/core/Text.h"

#include <shlobj.h>

class CWinFolderDialog {
 public:
  // root may be null (the desktop).
  CWinFolderDialog(UINT titleId, UINT flags, LPCITEMIDLIST root);
  CWinFolderDialog(const CWinFolderDialog&) = delete;
  CWinFolderDialog& operator=(const CWinFolderDialog&) = delete;
  virtual ~CWinFolderDialog();

  // Called when the browser is open; browser holds its window. Default: true.
  virtual bool onInitialized();
  // Called when the selection moves to item. Default: true.
  virtual bool onSelectionChanged(LPCITEMIDLIST item);

  // True when a folder was chosen.
  bool run(HWND owner);
  // False when nothing was chosen or the item has no file-system path.
  bool getPath(CText& path) const;

  BROWSEINFOA info;
  CText title;
  char displayName[MAX_PATH];
  LPITEMIDLIST item;
  HWND browser;

 private:
  static int CALLBACK browseCallback(HWND window, UINT message, LPARAM lParam, LPARAM data);
};
