#pragma once
// CWaitCursor: shows the wait cursor while a command prepares a dialog or works
// on many rows or files, and puts the previous cursor back when it goes out of
// scope.
#include "framework/Win32.h"

class CWaitCursor {
 public:
  CWaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
  ~CWaitCursor() { SetCursor(previous_); }

 private:
  HCURSOR previous_;
};
