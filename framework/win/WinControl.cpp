#include "framework/win/WinControl.h"

#include "framework/win/WinApp.h"

bool CWinControl::createControl(const char* className, const char* text, DWORD style, DWORD extendedStyle,
                                HWND parent, const RECT& rect, int id) {
  hwnd = CreateWindowExA(extendedStyle, className, text, style, rect.left, rect.top, rect.right - rect.left,
                         rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         getInstanceHandle(), nullptr);
  return hwnd != nullptr;
}

void CWinControl::changeStyle(DWORD remove, DWORD add, bool reposition, UINT flags) {
  DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
  SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>((style & ~remove) | add));
  if (reposition)
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, flags | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWinControl::clientToScreen(RECT* rect) const {
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(rect), 2);
}

void CWinControl::getText(CText& text) const {
  int length = GetWindowTextLengthA(hwnd);
  char* buffer = text.getBuffer(length + 1, false);
  if (!buffer) return;
  text.releaseBuffer(GetWindowTextA(hwnd, buffer, length + 1));
}

void CWinControl::setFont(HFONT font, bool redraw) const {
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

void CWinControl::setRedraw(bool on) const { SendMessageA(hwnd, WM_SETREDRAW, on, 0); }

void CWinControl::place(int x, int y, int width, int height) const {
  if (!hwnd) return;
  RECT now = placement();
  MoveWindow(hwnd, x == kKeep ? now.left : x, y == kKeep ? now.top : y,
             width == kKeep ? now.right - now.left : width, height == kKeep ? now.bottom - now.top : height, TRUE);
}

RECT CWinControl::placement() const {
  RECT area = {};
  GetWindowRect(hwnd, &area);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&area), 2);
  return area;
}
