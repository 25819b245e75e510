#include "framework/WinDialog.h"

#include "framework/WinApp.h"
#include "framework/WinFrame.h"

LRESULT CWinDialog::defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) { return 0; }

INT_PTR CWinDialog::runModal(HWND owner) {
  return DialogBoxParamA(getInstanceHandle(), MAKEINTRESOURCEA(templateId), owner, dialogProcedure(),
                         reinterpret_cast<LPARAM>(static_cast<CWinBase*>(this)));
}

namespace {

// Loads the table acceleratorId (-1: none); false when it cannot be loaded.
bool loadTable(int acceleratorId, HACCEL* accelerators) {
  *accelerators = nullptr;
  if (acceleratorId == -1) return true;
  *accelerators = LoadAcceleratorsA(getInstanceHandle(), MAKEINTRESOURCEA(static_cast<WORD>(acceleratorId)));
  return *accelerators != nullptr;
}

}  // namespace

WPARAM CWinDialog::runModeless(HWND owner, int acceleratorId) {
  HACCEL accelerators;
  if (!loadTable(acceleratorId, &accelerators)) return 0;
  return runModeless(owner, accelerators);
}

WPARAM CWinDialog::runModeless(HWND owner, HACCEL accelerators) {
  hwnd = CreateDialogParamA(getInstanceHandle(), MAKEINTRESOURCEA(templateId), owner, dialogProcedure(),
                            reinterpret_cast<LPARAM>(static_cast<CWinBase*>(this)));
  if (!hwnd) return 0;
  return runMessageLoop(hwnd, accelerators);
}

bool CWinDialog::runNested(HWND owner, int acceleratorId) {
  HACCEL accelerators;
  if (!loadTable(acceleratorId, &accelerators)) return false;
  HWND window = CreateDialogParamA(getInstanceHandle(), MAKEINTRESOURCEA(templateId), owner, dialogProcedure(),
                                   reinterpret_cast<LPARAM>(static_cast<CWinBase*>(this)));
  if (!window) return false;
  MSG message;
  // 16-bit messages, as in runMessageLoop().
  while (hwnd) {
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (accelerators && TranslateAcceleratorW(window, accelerators, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

LRESULT CWinDialog::notifyResult(LRESULT result) {
  SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
  return TRUE;
}

void CWinDialog::restoreDefaultButton(UINT id, UINT pressed) {
  SendMessageA(hwnd, DM_SETDEFID, id, 0);
  SendDlgItemMessageA(hwnd, static_cast<int>(pressed), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
}
