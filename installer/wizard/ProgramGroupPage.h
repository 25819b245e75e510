#pragma once
// ProgramGroupPage: the wizard's third page, the program group that gets the
// shortcuts, typed or chosen from the existing groups of the user and, on the
// Windows NT family, of all users. Leaving it starts the install log and
// makes the icon folder of the script the group's folder.
#include "installer/wizard/WizardPage.h"

class ProgramGroupPage : public WizardPage {
 public:
  ProgramGroupPage(SetupScript& script, const SizeText& sizes);

  LRESULT onInitDialog(HWND focus) override;
  // Skipped when no chosen component has shortcuts.
  bool onSetActive() override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;

 private:
  bool leave() override;
  // Adds the sub-folders of folder to the list; answers how many.
  int addGroups(const CText& folder);
  void chooseListedGroup();

  CText userFolder_;
  CText commonFolder_;
  int userGroups_ = 0;
};
