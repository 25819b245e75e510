#pragma once
// CWinScrollBar: a scroll bar of a window (SB_HORZ, SB_VERT) or a scroll bar
// control (SB_CTL with the control's handle).
#include "framework/core/Win32.h"

class CWinScrollBar {
 public:
  CWinScrollBar(HWND window, int bar) : window(window), bar(bar) {}

  // Both answer the new position.
  int setPosition(int position, bool redraw);
  // mask: the SIF_ values of the members to set.
  int setInfo(UINT mask, int minimum, int maximum, UINT page, int position, bool redraw);

  HWND window;
  int bar;
};
