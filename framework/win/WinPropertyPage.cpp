#include "framework/win/WinPropertyPage.h"

#include "framework/win/WinApp.h"

CWinPropertyPage::CWinPropertyPage(WORD templateId, UINT titleId) : page(), firstActivation(true) {
  this->templateId = templateId;
  page.dwSize = PROPSHEETPAGEA_V2_SIZE;
  page.dwFlags = PSP_USECALLBACK;
  page.hInstance = getInstanceHandle();
  page.pszTemplate = MAKEINTRESOURCEA(templateId);
  page.pfnDlgProc = pageProcedure;
  page.lParam = customData();
  page.pfnCallback = pageCallback;
  if (titleId != 0) {
    title.load(titleId);
    page.pszTitle = title.c_str();
    page.dwFlags |= PSP_USETITLE;
  }
}

UINT CALLBACK CWinPropertyPage::pageCallback(HWND window, UINT message, PROPSHEETPAGEA* page) {
  return message == PSPCB_CREATE ? 1 : 0;
}

INT_PTR CALLBACK CWinPropertyPage::pageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message != WM_INITDIALOG) return windowProcedure(window, message, wParam, lParam);
    const PROPSHEETPAGEA* description = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
    CWinBase* object = description ? reinterpret_cast<CWinBase*>(description->lParam) : nullptr;
    if (!object) return 0;
    object->hwnd = window;
    bind(window, object);
    return object->onInitDialog(reinterpret_cast<HWND>(wParam));
  } catch (...) {
    return 0;
  }
}

bool CWinPropertyPage::onApply() {
  onOk();
  return true;
}
void CWinPropertyPage::onReset() { onCancel(); }
bool CWinPropertyPage::onSetActive() {
  firstActivation = false;
  return true;
}
bool CWinPropertyPage::onKillActive() { return true; }
bool CWinPropertyPage::onQueryCancel() { return true; }
bool CWinPropertyPage::onWizBack() { return true; }
bool CWinPropertyPage::onWizNext() { return true; }
bool CWinPropertyPage::onWizFinish() { return true; }

bool CWinPropertyPage::notificationResult(UINT code, LRESULT* result) {
  switch (code) {
    case PSN_SETACTIVE: *result = onSetActive() ? 0 : -1; return true;
    case PSN_KILLACTIVE: *result = onKillActive() ? 0 : 1; return true;
    case PSN_APPLY: *result = onApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE; return true;
    case PSN_WIZBACK: *result = onWizBack() ? 0 : -1; return true;
    case PSN_WIZNEXT: *result = onWizNext() ? 0 : -1; return true;
    case PSN_WIZFINISH: *result = onWizFinish() ? 0 : 1; return true;
    case PSN_QUERYCANCEL: *result = onQueryCancel() ? 0 : 1; return true;
    default: return false;
  }
}

LRESULT CWinPropertyPage::onNotify(int id, NMHDR* header) {
  if (CWinCommonDialog::onNotify(id, header)) return 1;
  if (header->hwndFrom != hwnd && header->hwndFrom != GetParent(hwnd)) return 0;
  if (header->code == PSN_RESET) {
    onReset();
    return 1;
  }
  LRESULT result = 0;
  if (!notificationResult(header->code, &result)) return 0;
  SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
  return 1;
}

void CWinPropertyPage::setModified(bool modified) {
  SendMessageA(GetParent(hwnd), modified ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(hwnd), 0);
}
