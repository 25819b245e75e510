#include "editor/InputDialog.h"

#include "dialogs/QuizFileDialog.h"
#include "framework/win/DisplayScale.h"
#include "framework/win/WinControl.h"
#include "resources/QuizResourceIds.h"
#include "wordlist/WordList.h"

namespace {

const int kBrowsingEditWidth = 200;
const int kBrowsingEditHeight = 20;
const int kKeep = CWinControl::kKeep;

}  // namespace

InputDialog::InputDialog(Settings& settings) : CWinDialog(IDD_INPUT), settings_(settings) {}

LRESULT InputDialog::onInitDialog(HWND) {
  placeTemplateAtScale();
  accepted = false;
  setText(title.c_str());
  SendMessageA(hwnd, WM_SETICON, ICON_BIG, 0);
  SendMessageA(hwnd, WM_SETICON, ICON_SMALL, 0);
  SetDlgItemTextA(hwnd, IDC_INPUT_PROMPT, prompt.c_str());
  SetDlgItemTextA(hwnd, IDC_INPUT_OK, okCaption.c_str());
  SetDlgItemTextA(hwnd, IDC_INPUT_CANCEL, cancelCaption.c_str());
  HWND edit = GetDlgItem(hwnd, IDC_INPUT_VALUE);
  const CDisplayScale scale = CDisplayScale::of(hwnd);
  if (browse) CWinControl(edit).place(kKeep, kKeep, scale(kBrowsingEditWidth), scale(kBrowsingEditHeight));
  else ShowWindow(GetDlgItem(hwnd, IDC_INPUT_GET), SW_HIDE);
  SetWindowTextA(edit, value.c_str());
  SetFocus(edit);
  return FALSE;
}

LRESULT InputDialog::onCommand(UINT id, UINT code, HWND) {
  switch (id) {
    case IDC_INPUT_OK:
      accepted = true;
      EndDialog(hwnd, IDOK);
      break;
    case IDC_INPUT_CANCEL: EndDialog(hwnd, IDCANCEL); break;
    case IDC_INPUT_GET: getFile(); break;
    case IDC_INPUT_VALUE:
      if (code == EN_SETFOCUS) SendDlgItemMessageA(hwnd, IDC_INPUT_VALUE, EM_SETSEL, 0, -1);
      break;
  }
  return 0;
}

// Every way of closing ends here with the edit still in place.
LRESULT InputDialog::onDestroy() {
  getItemText(IDC_INPUT_VALUE, value);
  return 0;
}

// Reaching Get with Tab gave it the default look; OK takes it back, so that
// Enter in the edit accepts the name.
void InputDialog::getFile() {
  CText path;
  getItemText(IDC_INPUT_VALUE, path);
  int type = kFormatWordFile;
  QuizFileDialog dialog(settings_);
  if (dialog.run(hwnd, title.c_str(), false, QuizFileDialog::kWordFiles, &path, &type))
    SetDlgItemTextA(hwnd, IDC_INPUT_VALUE, path.c_str());
  SetFocus(GetDlgItem(hwnd, IDC_INPUT_VALUE));
  restoreDefaultButton(IDC_INPUT_OK, IDC_INPUT_GET);
}
