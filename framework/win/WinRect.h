#pragma once
// CWinRect: a rectangle (left, top, right, bottom), usable as a RECT.
#include "framework/core/Win32.h"

struct CWinRect : RECT {
  CWinRect() : RECT{0, 0, 0, 0} {}
  CWinRect(LONG left, LONG top, LONG right, LONG bottom) : RECT{left, top, right, bottom} {}
};
