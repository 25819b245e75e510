#include "framework/WinDialog.h"

#include "framework/WinApp.h"
#include "framework/WinFrame.h"

LRESULT CWinDialog::defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) { return 0; }

INT_PTR CWinDialog::runModal(HWND owner) {
  return DialogBoxParamA(getInstanceHandle(), MAKEINTRESOURCEA(templateId), owner, dialogProcedure(),
                         reinterpret_cast<LPARAM>(static_cast<CWinBase*>(this)));
}

WPARAM CWinDialog::runModeless(HWND owner, int acceleratorId) {
  HACCEL accelerators = nullptr;
  if (acceleratorId != -1) {
    accelerators = LoadAcceleratorsA(getInstanceHandle(), MAKEINTRESOURCEA(static_cast<WORD>(acceleratorId)));
    if (!accelerators) return 0;
  }
  hwnd = CreateDialogParamA(getInstanceHandle(), MAKEINTRESOURCEA(templateId), owner, dialogProcedure(),
                            reinterpret_cast<LPARAM>(static_cast<CWinBase*>(this)));
  if (!hwnd) return 0;
  return runMessageLoop(hwnd, accelerators);
}
