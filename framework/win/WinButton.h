#pragma once
// CWinButton: a system button.
#include "framework/win/WinControl.h"

class CWinButton : public CWinControl {
 public:
  bool create(HWND parent, const RECT& rect, int id, const char* caption, DWORD style) {
    return createControl("BUTTON", caption, style, 0, parent, rect, id);
  }
};
