#pragma once
// CWinStatusBar: a status bar control.
#include "framework/win/WinControl.h"

#include <commctrl.h>

class CWinStatusBar : public CWinControl {
 public:
  bool create(HWND parent, const RECT& rect, int id, DWORD style) {
    return createControl(STATUSCLASSNAMEA, nullptr, style, 0, parent, rect, id);
  }
};
