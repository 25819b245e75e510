#include "dialogs/SettingsDialog.h"

#include "framework/win/WinApp.h"
#include "resources/QuizResourceIds.h"

#include <commctrl.h>
#include <new>

namespace {

const int kTitleSize = 40;

}  // namespace

SettingsDialog::SettingsDialog(Settings& settings)
    : CWinDialog(IDD_SETTINGS), settings_(settings), general_(settings), paths_(settings), colors_(settings) {}

LRESULT SettingsDialog::onInitDialog(HWND) {
  tabs_.reset(new (std::nothrow) CWinControl(GetDlgItem(hwnd, IDC_SETTINGS_TABS)));
  if (!tabs_) {
    messageBox(QuizString::kNoMemory, QuizString::kErrorCaption, MB_OK | MB_ICONERROR);
    return 0;
  }
  addTab(0, QuizString::kTabGeneral);
  addTab(1, QuizString::kTabPaths);
  addTab(2, QuizString::kTabColors);
  for (int i = 0; i < kPageCount; ++i) createPage(page(i));
  for (int i = 1; i < kPageCount; ++i) ShowWindow(page(i).hwnd, SW_HIDE);
  ShowWindow(page(0).hwnd, SW_SHOW);
  return 0;
}

LRESULT SettingsDialog::onCommand(UINT id, UINT code, HWND) {
  if (id == IDC_SETTINGS_OK) accept();
  else if (id == IDC_SETTINGS_CANCEL) EndDialog(hwnd, 0);
  return 0;
}

LRESULT SettingsDialog::onNotify(int id, NMHDR* header) {
  if (id == IDC_SETTINGS_TABS && tabs_) {
    int selected = static_cast<int>(SendMessageA(tabs_->hwnd, TCM_GETCURSEL, 0, 0));
    if (selected >= 0 && selected < kPageCount && selected != visiblePage_) showPage(selected);
  }
  return CWinDialog::onNotify(id, header);
}

LRESULT SettingsDialog::onDestroy() {
  for (int i = 0; i < kPageCount; ++i)
    if (page(i).hwnd) DestroyWindow(page(i).hwnd);
  tabs_.reset();
  return 0;
}

CWinDialog& SettingsDialog::page(int index) {
  switch (index) {
    case 0: return general_;
    case 1: return paths_;
    default: return colors_;
  }
}

void SettingsDialog::addTab(int index, UINT titleId) {
  char title[kTitleSize] = "";
  LoadStringA(resourceModule(), titleId, title, kTitleSize);
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = title;
  SendMessageA(tabs_->hwnd, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
}

// The pages lie over the tab control, so they go to the top of the z-order.
void SettingsDialog::createPage(CWinDialog& page) {
  HWND made = CreateDialogParamA(getInstanceHandle(), MAKEINTRESOURCEA(page.templateId), hwnd, dialogProcedure(),
                                 reinterpret_cast<LPARAM>(static_cast<CWinBase*>(&page)));
  if (made) SetWindowPos(made, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void SettingsDialog::showPage(int index) {
  ShowWindow(page(visiblePage_).hwnd, SW_HIDE);
  ShowWindow(page(index).hwnd, SW_SHOW);
  visiblePage_ = static_cast<WORD>(index);
}

// A refused autosave period keeps the dialog open on the General page, with
// nothing applied. Accepted settings are stored at once, so that they
// outlive a crash and reach the programs started later.
void SettingsDialog::accept() {
  if (!general_.validateAndApply()) {
    if (tabs_) SendMessageA(tabs_->hwnd, TCM_SETCURSEL, 0, 0);
    showPage(0);
    HWND time = GetDlgItem(general_.hwnd, IDC_GENERAL_AUTOSAVE_TIME);
    if (IsWindowEnabled(time)) SetFocus(time);
    return;
  }
  paths_.apply();
  colors_.apply();
  settings_.store();
  EndDialog(hwnd, 0);
}
