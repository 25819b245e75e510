#pragma once
// InstallingDialog: the "Installing..." dialog with the phase, the current
// item and the progress of the installation, which its InstallWorker runs.
// Cancel holds the worker while it asks whether to quit; Yes stops the
// worker at its next safe point and closes the dialog.
#include "framework/win/WinDialog.h"
#include "installer/wizard/InstallWorker.h"

class InstallingDialog : public CWinDialog {
 public:
  InstallingDialog(SetupScript& script, const PayloadSource& payloads);

  // Runs the dialog owned by owner and returns once the worker has ended;
  // the install log, with the lines written so far, is closed then.
  void run(HWND owner);

  LRESULT onInitDialog(HWND focus) override;
  LRESULT onTimer(UINT_PTR id) override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;
  // Esc and the close box are Cancel; Enter does nothing.
  void onEndCommand(UINT id) override;
  LRESULT defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void cancel();
  void carryOut(WorkerRequest& request);

  SetupScript& script_;
  InstallWorker worker_;
  int maximum_ = 0;
  int steps_ = 0;
};
