#pragma once
// CWaitCursor: shows the wait cursor while a command prepares a dialog or works
// on many rows or files, and puts the previous cursor back when it goes out of
// scope.
#include "framework/core/Win32.h"

#include <utility>

class CWaitCursor {
 public:
  CWaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
  ~CWaitCursor() { SetCursor(previous_); }

 private:
  HCURSOR previous_;
};

// A T made under the wait cursor, for a dialog that reads much while it is
// made; the cursor goes back before the dialog runs.
template <class T, class... Arguments>
T madeUnderWaitCursor(Arguments&&... arguments) {
  CWaitCursor wait;
  return T(std::forward<Arguments>(arguments)...);
}
