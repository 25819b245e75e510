#include "installer/wizard/PreparingDialog.h"

#include "framework/win/DisplayScale.h"
#include "framework/win/WinApp.h"
#include "installer/phases/InstallResourceIds.h"
#include "installer/wizard/ScriptResource.h"
#include "installer/wizard/SizeText.h"

#include <commctrl.h>

namespace {

const int kScreenMargin = 20;  // from the right and bottom edges of the screen
const UINT kTickMilliseconds = 50;

}  // namespace

PreparingDialog::PreparingDialog(SetupScript& script, SizeText& sizes)
    : CWinDialog(IDD_PREPARING), script_(script), sizes_(sizes) {}

LRESULT PreparingDialog::onInitDialog(HWND) {
  SetCursor(LoadCursor(nullptr, IDC_WAIT));
  RECT rect;
  GetWindowRect(hwnd, &rect);
  const int margin = CDisplayScale::of(hwnd)(kScreenMargin);
  int x = GetSystemMetrics(SM_CXSCREEN) - margin - (rect.right - rect.left);
  int y = GetSystemMetrics(SM_CYSCREEN) - margin - (rect.bottom - rect.top);
  SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SetTimer(hwnd, InstallTimer::kStart, kTickMilliseconds, nullptr);
  return TRUE;
}

LRESULT PreparingDialog::onTimer(UINT_PTR id) {
  if (id != InstallTimer::kStart) return 0;
  KillTimer(hwnd, id);
  SetCursor(LoadCursor(nullptr, IDC_WAIT));
  sizes_.readUserFormat();
  loadSetupScript(getInstanceHandle(), script_, this);
  EndDialog(hwnd, IDOK);
  return 0;
}

void PreparingDialog::start(int last) {
  HWND bar = GetDlgItem(hwnd, IDC_PROGRESS);
  SendMessageA(bar, PBM_SETRANGE32, 1, last);
  SendMessageA(bar, PBM_SETPOS, 1, 0);
  SendMessageA(bar, PBM_SETSTEP, 1, 0);
}

void PreparingDialog::step() { SendMessageA(GetDlgItem(hwnd, IDC_PROGRESS), PBM_STEPIT, 0, 0); }
