#pragma once
// ColorsPage: the Colors page of the Settings dialog (template 1213):
// whether answers are coloured, and the six answer-marking colours on
// buttons that draw themselves in their colour (grey while disabled). The
// page edits its own copy of the colours until apply(); the colour dialog's
// 16 custom colours live in the registry ("\Colors", "CustomColors") and are
// written back after each use of the dialog.
#include "framework/win/WinDialog.h"
#include "quiz/drill/Settings.h"

class ColorsPage : public CWinDialog {
 public:
  // Borrows settings for the page's life.
  explicit ColorsPage(Settings& settings);

  LRESULT onInitDialog(HWND focus) override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;
  LRESULT onDrawItem(UINT id, DRAWITEMSTRUCT* item) override;

  // Stores "Use Colors" and the page's six colours.
  void apply();

 private:
  void enableColors(bool enable);
  void chooseColor(int index);
  void restoreDefaults();
  void repaintButton(int index) const;

  Settings& settings_;
  COLORREF colors_[Settings::kColorCount];
};
