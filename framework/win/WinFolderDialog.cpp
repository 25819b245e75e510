#include "framework/win/WinFolderDialog.h"

CWinFolderDialog::CWinFolderDialog(UINT titleId, UINT flags, LPCITEMIDLIST root)
    : info(), displayName(), item(nullptr), browser(nullptr) {
  title.load(titleId);
  info.pidlRoot = root;
  info.pszDisplayName = displayName;
  info.lpszTitle = title.c_str();
  info.ulFlags = flags;
  info.lpfn = browseCallback;
  info.lParam = reinterpret_cast<LPARAM>(this);
}

CWinFolderDialog::~CWinFolderDialog() {
  if (item) CoTaskMemFree(item);
}

bool CWinFolderDialog::onInitialized() { return true; }

bool CWinFolderDialog::onSelectionChanged(LPCITEMIDLIST item) { return true; }

bool CWinFolderDialog::run(HWND owner) {
  if (item) CoTaskMemFree(item);
  info.hwndOwner = owner;
  item = SHBrowseForFolderA(&info);
  browser = nullptr;
  return item != nullptr;
}

bool CWinFolderDialog::getPath(CText& path) const {
  char buffer[MAX_PATH] = "";
  if (!item || !SHGetPathFromIDListA(item, buffer)) return false;
  path = buffer;
  return true;
}

int CALLBACK CWinFolderDialog::browseCallback(HWND window, UINT message, LPARAM lParam, LPARAM data) {
  try {
    CWinFolderDialog* dialog = reinterpret_cast<CWinFolderDialog*>(data);
    if (message == BFFM_INITIALIZED) {
      dialog->browser = window;
      return dialog->onInitialized() ? 0 : 1;
    }
    if (message == BFFM_SELCHANGED)
      return dialog->onSelectionChanged(reinterpret_cast<LPCITEMIDLIST>(lParam)) ? 0 : 1;
    return 0;
  } catch (...) {
    return 0;
  }
}
