#pragma once
// CDisplayScale: the dots per inch a window is drawn at, and the conversion of
// the programs' sizes, which are all given at 96 dots per inch, to that scale.
// The per-window and per-monitor calls of newer Windows are looked up at run
// time; without them the screen's LOGPIXELSY is the scale, so the programs
// still start on old Windows. A window that was told of a new scale
// (WM_DPICHANGED) keeps it, and so do its controls: the system answers the
// same once it has sent the message, and where a scale change is only sent
// (as to a test's program), the window and the system agree all the same.
#include "framework/core/Win32.h"

class CDisplayScale {
 public:
  static const int kStandardDpi = 96;

  explicit CDisplayScale(int dpi = kStandardDpi) : dpi(dpi) {}
  // The scale window is drawn at (null: the screen's).
  static CDisplayScale of(HWND window);
  // The top-level window is drawn at dpi from now on; forget() before it is
  // gone.
  static void remember(HWND window, int dpi);
  static void forget(HWND window);

  // A size at 96 dots per inch, at this scale.
  int operator()(int size) const { return MulDiv(size, dpi, kStandardDpi); }
  RECT operator()(const RECT& rect) const;
  // A size at this scale, back at 96 dots per inch (for what is stored).
  int standard(int size) const { return MulDiv(size, kStandardDpi, dpi); }
  // Pictures come at 100%, 150% and 200%, each at its resource id plus
  // kImageIdStep times its step: the step (0, 1 or 2) nearest to this scale,
  // the id and the size of a picture that is size pixels big at 100%.
  static const int kImageIdStep = 100;
  int imageStep() const;
  int imageId(int id) const { return id + kImageIdStep * imageStep(); }
  int imageSize(int size) const { return size * (2 + imageStep()) / 2; }
  // The window rectangle around client for a window of these styles, with
  // the frame, caption and menu bar at this scale.
  RECT outer(const RECT& client, DWORD style, bool menu, DWORD extendedStyle) const;
  // A font described at 96 dots per inch, at this scale; and back.
  LOGFONTA font(const LOGFONTA& standardFont) const;
  LOGFONTA standardFont(const LOGFONTA& font) const;

  int dpi;
};
