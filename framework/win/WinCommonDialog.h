#pragma once
// CWinCommonDialog: the base of the wrappers of the system's common dialogs.
// Its hookProcedure() binds the object at WM_INITDIALOG, finding it in the
// customisation field of the structure the system passes (told apart by its
// size), and turns OK and Cancel into onOk() and onCancel().
#include "framework/win/WinDialog.h"

class CWinCommonDialog : public CWinDialog {
 public:
  CWinCommonDialog() : CWinDialog(0) {}

  // Both do nothing by default; the system then finishes the dialog.
  virtual void onOk();
  virtual void onCancel();

  // The hook of every common dialog; lCustData holds the CWinBase pointer.
  static UINT_PTR CALLBACK hookProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The object in a common-dialog structure, or null for an unknown size.
  static CWinBase* objectOfStructure(const void* structure);
  // The CWinBase pointer that goes into the customisation field.
  LPARAM customData() { return reinterpret_cast<LPARAM>(static_cast<CWinBase*>(this)); }
};
