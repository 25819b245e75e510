#pragma once
// AboutDialog: the About dialog (template 1200): the program's name and
// version, the freeware notice with two links, to the maker's e-mail address
// and home page, drawn as underlined blue text, and the system information
// (SystemInformation) of the machine it runs on.
#include "dialogs/system/SystemInformation.h"
#include "framework/win/WinDialog.h"

class AboutDialog : public CWinDialog {
 public:
  AboutDialog();

  LRESULT onInitDialog(HWND focus) override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;
  LRESULT onDrawItem(UINT id, DRAWITEMSTRUCT* item) override;

 private:
  // Opens the link button's own text, behind prefix, with the shell.
  void openLink(int buttonId, const char* prefix);
  static SystemFacts gatherFacts();
  static void drawLink(const DRAWITEMSTRUCT& item);
};
