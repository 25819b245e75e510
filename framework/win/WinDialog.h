#pragma once
// CWinDialog: a dialog from a template of the program's module, run modal or
// as a modeless main window with its own message loop. The object is bound at
// WM_INITDIALOG; IDOK and IDCANCEL end a modal dialog with 1 and 2 unless
// onEndCommand() says otherwise; they never reach onCommand().
#include "framework/win/WinBase.h"

class CWinDialog : public CWinBase {
 public:
  explicit CWinDialog(WORD templateId) : templateId(templateId) {}

  // Answers 0: the dialog manager does the default processing.
  LRESULT defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Answers TRUE: the dialog manager must not scale the dialog a second time.
  LRESULT onDpiChanged(int dpi, const RECT* suggested) override;

  // Answers the EndDialog value (1 after IDOK, 2 after IDCANCEL), or -1 when
  // the dialog cannot be made.
  INT_PTR runModal(HWND owner);
  // Creates the dialog and runs the message loop until the quit message. The
  // loop never calls IsDialogMessage: keyboard navigation comes from the
  // accelerator table acceleratorId (-1: none), aimed at the dialog. Answers
  // the quit message's wParam, or 0 when the table or the dialog cannot be
  // made. The dialog is left for the caller to destroy.
  WPARAM runModeless(HWND owner, int acceleratorId);
  // The same with a table the caller made and keeps (null: none).
  WPARAM runModeless(HWND owner, HACCEL accelerators);
  // Creates the dialog and runs a message loop nested in the caller's, as
  // runModeless() does, until the dialog is destroyed. A quit message ends
  // the loop too and is posted again for the enclosing loop. False when the
  // table or the dialog cannot be made.
  bool runNested(HWND owner, int acceleratorId);

  // The answer to a notification whose result the dialog manager reads from
  // the message result: stores result there and answers TRUE.
  LRESULT notifyResult(LRESULT result);
  // Dialog units follow the dialog's font, whose height does not grow exactly
  // with the display scale. A top-level dialog whose code places some
  // controls in pixels (sizes at 96 dots per inch, scaled) calls this first:
  // every control and the client area then take the places that the template
  // gives them at 96 dots per inch, scaled, so that both kinds agree.
  void placeTemplateAtScale();
  // Makes id the default button again after a click on pressed gave that
  // button the default look: DM_SETDEFID alone does not always take the
  // look back from it.
  void restoreDefaultButton(UINT id, UINT pressed);

  WORD templateId;
};
