#include "installer/wizard/ComponentsPage.h"

#include "installer/phases/InstallResourceIds.h"
#include "installer/script/SetupScript.h"
#include "installer/script/WizardRules.h"
#include "installer/wizard/DetailsDialog.h"
#include "installer/wizard/SizeText.h"

ComponentsPage::ComponentsPage(SetupScript& script, const SizeText& sizes)
    : WizardPage(IDD_COMPONENTS, InstallString::kComponentsTitle, script, sizes), list_(sizes) {}

LRESULT ComponentsPage::onInitDialog(HWND) {
  picture_.show(hwnd);
  list_.fill(hwnd, script_.selections);
  return TRUE;
}

bool ComponentsPage::onSetActive() {
  if (!WizardRules::showsComponents(script_)) return false;
  CWinPropertyPage::onSetActive();
  showOnSheet(WizardRules::componentsButtons(script_));
  refresh();
  return true;
}

void ComponentsPage::refresh() {
  SetDlgItemTextA(hwnd, IDC_DESTINATION, script_.destination.c_str());
  showSpace(script_.computeRequiredSize(), script_.destination.c_str());
}

LRESULT ComponentsPage::onCommand(UINT id, UINT code, HWND control) {
  if (id == IDC_DETAILS && code == BN_CLICKED) {
    showDetails();
  } else if (id == IDC_COMPONENT_LIST) {
    if (Selection* toggled = list_.clicked(code)) {
      script_.toggleSelection(*toggled);
      SetDlgItemTextA(hwnd, IDC_SPACE_REQUIRED, sizes_.kilobytes(script_.requiredSize).c_str());
      list_.redraw();
      showOnSheet(WizardRules::componentsButtons(script_));
    }
  }
  return 0;
}

void ComponentsPage::showDetails() {
  Selection* parent = list_.highlighted();
  if (!parent) return;
  ShowWindow(sheet(), SW_HIDE);
  DetailsDialog(*parent, script_, sizes_).run(hwnd);
  ShowWindow(sheet(), SW_SHOW);
  refresh();
  list_.redraw();
  showOnSheet(WizardRules::componentsButtons(script_));
}

LRESULT ComponentsPage::onMeasureItem(UINT id, MEASUREITEMSTRUCT* item) {
  if (id == IDC_COMPONENT_LIST) list_.measure(hwnd, item);
  return TRUE;
}

LRESULT ComponentsPage::onDrawItem(UINT id, DRAWITEMSTRUCT* item) {
  if (id == IDC_COMPONENT_LIST) list_.draw(item);
  return TRUE;
}

bool ComponentsPage::leave() {
  long long available = 0;
  if (!freeSpace(volumeRoot(script_.destination.c_str()).c_str(), &available)) return false;
  if (available >= script_.computeRequiredSize()) return true;
  ask(InstallString::kNoFreeSpace, nullptr, MB_OK | MB_ICONSTOP);
  return false;
}
