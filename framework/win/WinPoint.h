#pragma once
// CWinPoint: a point or size of two 32-bit integers, usable as a POINT.
#include "framework/core/Win32.h"

struct CWinPoint : POINT {
  CWinPoint() : POINT{0, 0} {}
  CWinPoint(LONG x, LONG y) : POINT{x, y} {}
};
