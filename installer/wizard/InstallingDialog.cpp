#include "installer/wizard/InstallingDialog.h"

#include "installer/phases/InstallResourceIds.h"
#include "installer/script/SetupScript.h"

#include <commctrl.h>

namespace {

const UINT kStartMilliseconds = 10;
const UINT kEndMilliseconds = 100;
const INT_PTR kEndedByWorker = 0, kCancelled = 1;

}  // namespace

InstallingDialog::InstallingDialog(SetupScript& script, const PayloadSource& payloads)
    : CWinDialog(IDD_INSTALLING), script_(script), worker_(script, payloads) {}

void InstallingDialog::run(HWND owner) {
  runModal(owner);
  worker_.stop();
  worker_.waitUntilEnded();
  script_.log.close();
}

LRESULT InstallingDialog::onInitDialog(HWND) {
  centreOnScreen();
  SetTimer(hwnd, InstallTimer::kStart, kStartMilliseconds, nullptr);
  return TRUE;
}

// Without a worker the dialog stays until the user cancels it.
LRESULT InstallingDialog::onTimer(UINT_PTR id) {
  KillTimer(hwnd, id);
  if (id == InstallTimer::kStart) worker_.begin(hwnd);
  else if (id == InstallTimer::kWorkerEnded) EndDialog(hwnd, kEndedByWorker);
  return 0;
}

LRESULT InstallingDialog::onCommand(UINT id, UINT code, HWND control) {
  if (id == IDC_INSTALLING_CANCEL && code == BN_CLICKED) cancel();
  return 0;
}

void InstallingDialog::onEndCommand(UINT id) {
  if (id == IDCANCEL) cancel();
}

void InstallingDialog::cancel() {
  if (worker_.isRunning()) {
    worker_.hold();
    if (messageBox(InstallString::kQuitInstallation, InstallString::kExitSetup, MB_YESNO | MB_DEFBUTTON2) != IDYES) {
      worker_.release();
      return;
    }
    worker_.stop();
  }
  EndDialog(hwnd, kCancelled);
}

LRESULT InstallingDialog::defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kWorkerRequest) {
    carryOut(*reinterpret_cast<WorkerRequest*>(lParam));
    return TRUE;
  }
  if (message == kWorkerEnded) {
    SetTimer(hwnd, InstallTimer::kWorkerEnded, kEndMilliseconds, nullptr);
    return TRUE;
  }
  return CWinDialog::defaultProcedure(message, wParam, lParam);
}

void InstallingDialog::carryOut(WorkerRequest& request) {
  HWND bar = GetDlgItem(hwnd, IDC_PROGRESS);
  switch (request.kind) {
    case WorkerRequest::kPhase: SetDlgItemTextA(hwnd, IDC_INSTALLING_PHASE, request.text); break;
    case WorkerRequest::kStatus: SetDlgItemTextA(hwnd, IDC_INSTALLING_ITEM, request.text); break;
    case WorkerRequest::kRange:
      maximum_ = request.number;
      steps_ = 0;
      SendMessageA(bar, PBM_SETRANGE32, 0, maximum_);
      SendMessageA(bar, PBM_SETPOS, 0, 0);
      SendMessageA(bar, PBM_SETSTEP, 1, 0);
      break;
    case WorkerRequest::kStep:
      if (steps_ < maximum_) {
        SendMessageA(bar, PBM_STEPIT, 0, 0);
        ++steps_;
      }
      break;
    case WorkerRequest::kAsk: request.answer = MessageBoxA(hwnd, request.text, request.caption, request.style); break;
  }
}
