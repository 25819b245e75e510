#pragma once
// CWinEdit: a system edit control with a sunken edge.
#include "framework/win/WinControl.h"

class CWinEdit : public CWinControl {
 public:
  bool create(HWND parent, const RECT& rect, int id, DWORD style) {
    return createControl("EDIT", nullptr, style, WS_EX_CLIENTEDGE, parent, rect, id);
  }
};
