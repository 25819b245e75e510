#pragma once
// WizardPage: what the four pages of the install wizard share: the script
// they fill in, the sheet's buttons and title, the quit question on Cancel,
// the size lines and the messages of the pages, captioned "Setup".
#include "framework/win/WinPropertyPage.h"
#include "installer/wizard/WizardPicture.h"

class SetupScript;
class SizeText;

class WizardPage : public CWinPropertyPage {
 public:
  // titleId: the sheet's title while the page shows.
  WizardPage(WORD templateId, UINT titleId, SetupScript& script, const SizeText& sizes);

  // Asks whether to quit; Yes empties the destination, so that nothing is
  // installed, and lets the wizard close.
  bool onQueryCancel() override;
  // Next and Finish run the same check on every page.
  bool onWizNext() override { return leave(); }
  bool onWizFinish() override { return leave(); }

 protected:
  WizardPicture picture_;  // shown by each page when it is made
  // Whether the page may be left forward. Default: true.
  virtual bool leave() { return true; }
  HWND sheet() const { return GetParent(hwnd); }
  // Centres the sheet on the screen and removes its context-help button.
  void centreSheet() const;
  // Shows the page's title and the WizardRules button flags on the sheet.
  void showOnSheet(unsigned buttons) const;
  // A message box with the text of textId (its "%s" filled with argument),
  // captioned "Setup"; answers the button chosen.
  int ask(UINT textId, const char* argument, UINT style) const;
  void focusControl(int id) const;
  // Selects all of an edit control's text, as the path and name fields do
  // when they get the focus.
  void selectAll(int id) const;
  // Shows the required size in 1007 and the free space of the volume of path
  // in 1008; 1008 keeps its text when the system cannot tell the free space.
  void showSpace(long long required, const char* path) const;

  SetupScript& script_;
  const SizeText& sizes_;

 private:
  UINT titleId_;
};
