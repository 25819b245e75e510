#include "quiz/HardWordsDialog.h"

#include "resources/QuizResourceIds.h"

#include <commctrl.h>

HardWordsDialog::HardWordsDialog(DWORD count)
    : CWinDialog(IDD_HARD_WORDS), count(count < 1 || count > kMost ? 1 : count) {}

LRESULT HardWordsDialog::onInitDialog(HWND) {
  HWND spin = GetDlgItem(hwnd, IDC_HARD_WORDS_SPIN);
  SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(hwnd, IDC_HARD_WORDS_COUNT)), 0);
  SendMessageA(spin, UDM_SETRANGE32, 1, kMost);
  SendMessageA(spin, UDM_SETPOS32, 0, static_cast<LPARAM>(count));
  SetDlgItemInt(hwnd, IDC_HARD_WORDS_COUNT, count, FALSE);
  SetFocus(GetDlgItem(hwnd, IDC_HARD_WORDS_COUNT));
  SendDlgItemMessageA(hwnd, IDC_HARD_WORDS_COUNT, EM_SETSEL, 0, -1);
  return FALSE;
}

LRESULT HardWordsDialog::onCommand(UINT id, UINT, HWND) {
  if (id == IDC_HARD_WORDS_OK && takeCount()) EndDialog(hwnd, IDOK);
  else if (id == IDC_HARD_WORDS_CANCEL) EndDialog(hwnd, IDCANCEL);
  return 0;
}

bool HardWordsDialog::takeCount() {
  BOOL isNumber = FALSE;
  UINT typed = GetDlgItemInt(hwnd, IDC_HARD_WORDS_COUNT, &isNumber, FALSE);
  if (!isNumber || typed < 1 || typed > kMost) {
    messageBox(QuizString::kHardWordsInvalid, QuizString::kErrorCaption, MB_OK | MB_ICONERROR);
    SetFocus(GetDlgItem(hwnd, IDC_HARD_WORDS_COUNT));
    return false;
  }
  count = typed;
  return true;
}
