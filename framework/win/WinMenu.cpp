#include "framework/win/WinMenu.h"

#include "framework/win/WinApp.h"

bool CWinMenu::load(const char* name) {
  handle = LoadMenuA(getInstanceHandle(), name);
  return handle != nullptr;
}

bool CWinMenu::destroy() {
  if (!handle || !DestroyMenu(handle)) return false;
  handle = nullptr;
  return true;
}
