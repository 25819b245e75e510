#include "framework/WinMenu.h"

#include "framework/WinApp.h"

bool CWinMenu::load(const char* name) {
  handle = LoadMenuA(getInstanceHandle(), name);
  return handle != nullptr;
}

bool CWinMenu::destroy() {
  if (!handle || !DestroyMenu(handle)) return false;
  handle = nullptr;
  return true;
}
