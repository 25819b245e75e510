#pragma once
// CWaitCursor: shows the wait cursor for its lifetime and then restores the
// cursor that was shown before.
#include "framework/Win32.h"

class CWaitCursor {
 public:
  CWaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  ~CWaitCursor() { SetCursor(previous_); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

 private:
  HCURSOR previous_;
};
