#include "framework/win/WinToolBar.h"

#include <commctrl.h>

bool CWinToolBar::create(HWND parent, const RECT& rect, int id, DWORD style) {
  if (!createControl(TOOLBARCLASSNAMEA, nullptr, style, 0, parent, rect, id)) return false;
  SendMessageA(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  return true;
}
