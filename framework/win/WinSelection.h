#pragma once
// CWinSelection: selects a GDI object into a device context for its lifetime
// and then selects back the object it replaced, so that no drawing path can
// leave a pen, brush or font selected. It deletes nothing.
#include "framework/core/Win32.h"

class CWinSelection {
 public:
  CWinSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~CWinSelection() {
    if (previous_) SelectObject(dc_, previous_);
  }
  CWinSelection(const CWinSelection&) = delete;
  CWinSelection& operator=(const CWinSelection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};
