#include "framework/win/WinScrollBar.h"

int CWinScrollBar::setPosition(int position, bool redraw) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_POS;
  info.nPos = position;
  return SetScrollInfo(window, bar, &info, redraw);
}

int CWinScrollBar::setInfo(UINT mask, int minimum, int maximum, UINT page, int position, bool redraw) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = mask;
  info.nMin = minimum;
  info.nMax = maximum;
  info.nPage = page;
  info.nPos = position;
  return SetScrollInfo(window, bar, &info, redraw);
}
