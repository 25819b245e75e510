#pragma once
// The demo's main window, run by the modeless dialog loop with accelerator
// table IDA_DEMO. It logs the commands it receives (id:code), moves the focus
// on commands 230 and 231, opens the modal dialog, shows a message box and
// sets in-line coded texts into its three-dimensional statics.
#include "framework/win/WinDialog.h"
#include "tests/e2e/demo/DemoLog.h"

class DemoWindow : public CWinDialog {
 public:
  DemoWindow();
  ~DemoWindow() override;
  LRESULT onInitDialog(HWND focus) override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;
  LRESULT onClose() override;

 private:
  DemoLog log() const;
  void moveFocus(bool previous);
  void runModal();
  void askQuestion();
  void showRichTexts();

  HFONT bigFont_ = nullptr;
};
