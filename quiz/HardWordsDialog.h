#pragma once
// HardWordsDialog: asks how many hard words Mark Hard Words marks (template
// 1220). The caller sets count, runs the dialog modally and reads count back
// when it answers IDOK.
#include "framework/win/WinDialog.h"

class HardWordsDialog : public CWinDialog {
 public:
  enum : DWORD { kMost = 9999 };

  explicit HardWordsDialog(DWORD count);

  LRESULT onInitDialog(HWND focus) override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;

  DWORD count;  // 1 to kMost

 private:
  // Stores the number typed; shows string 23104 and answers false when it
  // is not 1 to kMost.
  bool takeCount();
};
