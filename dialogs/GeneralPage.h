#pragma once
// GeneralPage: the General page of the Settings dialog (template 13002):
// whether words answered right are asked again, the lenient judging options,
// autosave and its period, and the user's font. A font chosen in the font dialog stays with the page until
// validateAndApply(), so that cancelling the sheet leaves the program's font
// as it was, like every other setting.
#include "framework/win/WinDialog.h"
#include "framework/win/WinGdiObject.h"
#include "quiz/drill/Settings.h"

class GeneralPage : public CWinDialog {
 public:
  // Borrows settings for the page's life.
  explicit GeneralPage(Settings& settings);

  LRESULT onInitDialog(HWND focus) override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;

  // Reads the autosave period, also while autosave is off. When it is not a
  // number, 0, or beyond a 32-bit signed number, shows string 21030 and
  // answers false with nothing stored. Otherwise stores the period, the
  // autosave and skipping flags, the leniency and the chosen font, and
  // answers true.
  bool validateAndApply();

 private:
  void enableAutosaveTime();
  void chooseFont();
  void showFont();
  void applyFont();

  Settings& settings_;
  LOGFONTA font_;
  CWinFont shownFont_;  // made from font_ for the description control
};
