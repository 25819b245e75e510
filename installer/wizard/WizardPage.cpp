#include "installer/wizard/WizardPage.h"

#include "installer/phases/InstallResourceIds.h"
#include "installer/script/SetupScript.h"
#include "installer/wizard/SizeText.h"

WizardPage::WizardPage(WORD templateId, UINT titleId, SetupScript& script, const SizeText& sizes)
    : CWinPropertyPage(templateId, titleId), script_(script), sizes_(sizes), titleId_(titleId) {}

bool WizardPage::onQueryCancel() {
  CText question, caption;
  question.load(InstallString::kQuitWizard);
  caption.load(InstallString::kExitSetup);
  if (MessageBoxA(hwnd, question.c_str(), caption.c_str(), MB_YESNO | MB_DEFBUTTON2) != IDYES) return false;
  script_.destination.clear();
  return true;
}

void WizardPage::centreSheet() const {
  HWND window = sheet();
  SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) & ~WS_EX_CONTEXTHELP);
  CWinBase sheetWindow;
  sheetWindow.hwnd = window;
  sheetWindow.centreOnScreen();
}

// The page's own title (PSP_USETITLE) already names it to the sheet, which
// may show it after the page's activation; the text set here shows at once.
void WizardPage::showOnSheet(unsigned buttons) const {
  CText title;
  title.load(titleId_);
  SetWindowTextA(sheet(), title.c_str());
  PostMessageA(sheet(), PSM_SETWIZBUTTONS, 0, buttons);
}

int WizardPage::ask(UINT textId, const char* argument, UINT style) const {
  CText text, caption;
  text.formatResource(textId, argument);
  caption.load(InstallString::kSetup);
  return MessageBoxA(hwnd, text.c_str(), caption.c_str(), style);
}

void WizardPage::focusControl(int id) const { SetFocus(GetDlgItem(hwnd, id)); }

void WizardPage::selectAll(int id) const { SendDlgItemMessageA(hwnd, id, EM_SETSEL, 0, -1); }

void WizardPage::showSpace(long long required, const char* path) const {
  SetDlgItemTextA(hwnd, IDC_SPACE_REQUIRED, sizes_.kilobytes(required).c_str());
  sizes_.showFreeSpace(GetDlgItem(hwnd, IDC_SPACE_AVAILABLE), path);
}
