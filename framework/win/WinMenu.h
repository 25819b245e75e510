#pragma once
// CWinMenu: a menu handle. The wrapper destroys only what destroy() is asked
// to; a menu attached to a window is destroyed with the window.
#include "framework/core/Win32.h"

class CWinMenu {
 public:
  CWinMenu() = default;
  explicit CWinMenu(HMENU menu) : handle(menu) {}

  // A menu of the program's module. False when it cannot be loaded.
  bool load(const char* name);
  bool destroy();

  HMENU handle = nullptr;
};
