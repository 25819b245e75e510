#pragma once
// CScaledFonts: the copies of fonts that one window makes for its display
// scale. The fonts a window's controls are given are made at the scale the
// window had then (the screen's, for the user's font and the system's GUI
// font); when the window moves to a monitor of another scale, each control
// gets its font made anew at the new scale. Copies are always made from the
// original font, so that moving back and forth does not add up roundings.
// The window deletes its copies when it is gone (release()).
#include "framework/core/Win32.h"

#include <vector>

class CScaledFonts {
 public:
  CScaledFonts() = default;
  CScaledFonts(const CScaledFonts&) = delete;
  CScaledFonts& operator=(const CScaledFonts&) = delete;
  ~CScaledFonts() { release(); }

  // font, made at fontDpi, at dpi: font itself where the two agree, else a
  // copy that lives until release() or the next rescale() away from dpi.
  HFONT at(HFONT font, int fontDpi, int dpi);
  // Gives every child of window that has a font (WM_GETFONT) that font at
  // dpi; the children's fonts were made at previous.
  void rescale(HWND window, int previous, int dpi);
  void release();

 private:
  // The original's description tells a deleted font from a new one that
  // got its handle.
  struct Copy {
    HFONT original;
    LOGFONTA description;
    int originalDpi;
    int dpi;
    HFONT font;
  };
  std::vector<Copy> copies_;
};
