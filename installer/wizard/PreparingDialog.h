#pragma once
// PreparingDialog: the small "Setup is preparing..." dialog in the lower
// right corner of the screen. Soon after it shows it reads the user's number
// format, parses the setup script with its progress on the bar, and closes.
#include "framework/win/WinDialog.h"
#include "installer/script/ParseProgress.h"

class SetupScript;
class SizeText;

class PreparingDialog : public CWinDialog, private ParseProgress {
 public:
  PreparingDialog(SetupScript& script, SizeText& sizes);

  LRESULT onInitDialog(HWND focus) override;
  LRESULT onTimer(UINT_PTR id) override;
  // Enter and Esc do not end it: the script must be read first.
  void onEndCommand(UINT id) override {}

 private:
  void start(int last) override;
  void step() override;

  SetupScript& script_;
  SizeText& sizes_;
};
