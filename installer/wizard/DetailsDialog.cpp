#include "installer/wizard/DetailsDialog.h"

#include "installer/phases/InstallResourceIds.h"
#include "installer/script/Selection.h"
#include "installer/script/SetupScript.h"
#include "installer/wizard/SizeText.h"

DetailsDialog::DetailsDialog(Selection& parent, const SetupScript& script, const SizeText& sizes)
    : CWinDialog(IDD_DETAILS), parent_(parent), script_(script), sizes_(sizes), list_(sizes) {}

void DetailsDialog::run(HWND owner) {
  runModal(owner);
  parent_.takeStateFromSubSelections();
}

LRESULT DetailsDialog::onInitDialog(HWND) {
  picture_.show(hwnd);
  SetDlgItemTextA(hwnd, IDC_DESTINATION, script_.destination.c_str());
  sizes_.showFreeSpace(GetDlgItem(hwnd, IDC_SPACE_AVAILABLE), script_.destination.c_str());
  showSize(parent_.sizeForTotal());
  list_.fill(hwnd, parent_.subSelections);
  return TRUE;
}

void DetailsDialog::showSize(long bytes) const {
  SetDlgItemTextA(hwnd, IDC_SPACE_REQUIRED, sizes_.kilobytes(bytes).c_str());
}

LRESULT DetailsDialog::onCommand(UINT id, UINT code, HWND control) {
  if (id == IDC_DETAILS_OK && code == BN_CLICKED) {
    EndDialog(hwnd, IDOK);
  } else if (id == IDC_DETAILS && code == BN_CLICKED) {
    showNested();
  } else if (id == IDC_COMPONENT_LIST) {
    if (Selection* toggled = list_.clicked(code)) {
      parent_.size += toggled->toggle();
      showSize(parent_.size);
      list_.redraw();
    }
  }
  return 0;
}

// The part's size changes inside the nested dialog; the parent's size takes
// the same change.
void DetailsDialog::showNested() {
  Selection* part = list_.highlighted();
  if (!part) return;
  long before = part->size;
  ShowWindow(hwnd, SW_HIDE);
  DetailsDialog(*part, script_, sizes_).run(hwnd);
  ShowWindow(hwnd, SW_SHOW);
  parent_.size += part->size - before;
  showSize(parent_.size);
  sizes_.showFreeSpace(GetDlgItem(hwnd, IDC_SPACE_AVAILABLE), script_.destination.c_str());
  list_.redraw();
}

LRESULT DetailsDialog::onMeasureItem(UINT id, MEASUREITEMSTRUCT* item) {
  if (id == IDC_COMPONENT_LIST) list_.measure(hwnd, item);
  return TRUE;
}

LRESULT DetailsDialog::onDrawItem(UINT id, DRAWITEMSTRUCT* item) {
  if (id == IDC_COMPONENT_LIST) list_.draw(item);
  return TRUE;
}
