#pragma once
// CWinUpDown: an up-down control.
#include "framework/win/WinControl.h"

#include <commctrl.h>

class CWinUpDown : public CWinControl {
 public:
  bool create(HWND parent, const RECT& rect, int id, DWORD style) {
    return createControl(UPDOWN_CLASSA, nullptr, style, 0, parent, rect, id);
  }
};
