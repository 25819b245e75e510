#pragma once
// The demo's modal dialog: logs every command its handler receives, with the
// prefix "m", so that the test sees which ones reached it.
#include "framework/win/WinDialog.h"
#include "tests/e2e/demo/DemoLog.h"

class DemoModal : public CWinDialog {
 public:
  explicit DemoModal(const DemoLog& log);
  LRESULT onInitDialog(HWND focus) override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;

 private:
  DemoLog log_;
};
