#include "framework/win/WinComboBox.h"

bool CWinComboBox::getItemText(int index, CText& text) const {
  LRESULT length = SendMessageA(hwnd, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR) return false;
  char* buffer = text.getBuffer(static_cast<int>(length) + 1, false);
  if (!buffer) return false;
  LRESULT copied = SendMessageA(hwnd, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer));
  text.releaseBuffer(copied == CB_ERR ? 0 : static_cast<int>(copied));
  return copied != CB_ERR;
}
