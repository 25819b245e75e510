#include "tests/e2e/demo/DemoModal.h"

#include "tests/e2e/demo/DemoIds.h"

DemoModal::DemoModal(const DemoLog& log) : CWinDialog(IDD_DEMO_MODAL), log_(log) {}

LRESULT DemoModal::onInitDialog(HWND) { return TRUE; }

LRESULT DemoModal::onCommand(UINT id, UINT code, HWND) {
  if (id != IDC_MODAL_EDIT) log_.addCommand("m", id, code);
  return 0;
}
