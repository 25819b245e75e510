#pragma once
// CWinToolBar: a toolbar control, told the size of its button records.
#include "framework/win/WinControl.h"

class CWinToolBar : public CWinControl {
 public:
  bool create(HWND parent, const RECT& rect, int id, DWORD style);
};
