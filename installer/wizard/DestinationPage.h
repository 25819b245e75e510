#pragma once
// DestinationPage: the wizard's first page, the destination folder with the
// space it needs and the free space of its drive. Leaving it confirms the
// folder: an existing one is to be overwritten, a missing one is made (one
// level) or refused.
#include "installer/wizard/WizardPage.h"

class DestinationPage : public WizardPage {
 public:
  DestinationPage(SetupScript& script, const SizeText& sizes);

  LRESULT onInitDialog(HWND focus) override;
  bool onSetActive() override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;

 private:
  bool leave() override;
  bool confirmFolder(const char* path);
  void browse();
  void showFreeSpace() const;

  bool modified_ = true;  // the path was edited since it was last confirmed
};
