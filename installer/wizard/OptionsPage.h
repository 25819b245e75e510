#pragma once
// OptionsPage: the wizard's last page, one check box for each option of the
// script, made when the page is created; a click stores the box's state in
// its option.
#include "installer/wizard/WizardPage.h"

class OptionsPage : public WizardPage {
 public:
  OptionsPage(SetupScript& script, const SizeText& sizes);

  LRESULT onInitDialog(HWND focus) override;
  bool onSetActive() override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;

 private:
  UINT nextId_;  // the id of the next check box made
};
