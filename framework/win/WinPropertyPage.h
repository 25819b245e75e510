#pragma once
// CWinPropertyPage: one page of a CWinPropertySheet (property sheet or
// wizard). The page is bound at WM_INITDIALOG through its page description;
// the sheet's notifications become the hooks below, whose defaults accept.
#include "framework/win/WinCommonDialog.h"

#include <prsht.h>

class CWinPropertyPage : public CWinCommonDialog {
 public:
  // titleId 0: the template's own caption.
  CWinPropertyPage(WORD templateId, UINT titleId);

  // PSN_APPLY: calls onOk(), answers true. False keeps the sheet open.
  virtual bool onApply();
  // PSN_RESET: calls onCancel().
  virtual void onReset();
  // PSN_SETACTIVE: clears firstActivation, answers true. False skips the page.
  virtual bool onSetActive();
  // PSN_KILLACTIVE: false keeps the page.
  virtual bool onKillActive();
  // PSN_QUERYCANCEL: false refuses the cancel.
  virtual bool onQueryCancel();
  // PSN_WIZBACK and PSN_WIZNEXT: false stays on the page.
  virtual bool onWizBack();
  virtual bool onWizNext();
  // PSN_WIZFINISH: false keeps the wizard open.
  virtual bool onWizFinish();

  LRESULT onNotify(int id, NMHDR* header) override;
  // Tells the sheet that the page has (or no longer has) changes.
  void setModified(bool modified);

  static INT_PTR CALLBACK pageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  PROPSHEETPAGEA page;
  CText title;
  bool firstActivation;

 private:
  static UINT CALLBACK pageCallback(HWND window, UINT message, PROPSHEETPAGEA* page);
  // Calls the hook of a sheet notification; false for other codes.
  bool notificationResult(UINT code, LRESULT* result);
};
