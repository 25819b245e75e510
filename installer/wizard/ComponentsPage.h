#pragma once
// ComponentsPage: the wizard's second page, the check list of components
// with their sizes, the Details dialog for the parts of a component, and the
// space needed against the free space of the destination's drive.
#include "installer/wizard/ComponentList.h"
#include "installer/wizard/WizardPage.h"

class ComponentsPage : public WizardPage {
 public:
  ComponentsPage(SetupScript& script, const SizeText& sizes);

  LRESULT onInitDialog(HWND focus) override;
  // Skipped when the script has no components.
  bool onSetActive() override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;
  LRESULT onMeasureItem(UINT id, MEASUREITEMSTRUCT* item) override;
  LRESULT onDrawItem(UINT id, DRAWITEMSTRUCT* item) override;

 private:
  // Stays when the destination's drive is too full or cannot tell its free
  // space.
  bool leave() override;
  void showDetails();
  void refresh();

  ComponentList list_;
};
