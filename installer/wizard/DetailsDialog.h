#pragma once
// DetailsDialog: the parts (sub-selections) of one component in their own
// check list, with the component's size; a part with parts of its own opens
// a nested Details dialog.
#include "framework/win/WinDialog.h"
#include "installer/wizard/ComponentList.h"
#include "installer/wizard/WizardPicture.h"

class SetupScript;
class SizeText;
struct Selection;

class DetailsDialog : public CWinDialog {
 public:
  DetailsDialog(Selection& parent, const SetupScript& script, const SizeText& sizes);

  // Runs the dialog modal. Afterwards the parent's state is the one all its
  // parts share, or partly chosen when they differ.
  void run(HWND owner);

  LRESULT onInitDialog(HWND focus) override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;
  LRESULT onMeasureItem(UINT id, MEASUREITEMSTRUCT* item) override;
  LRESULT onDrawItem(UINT id, DRAWITEMSTRUCT* item) override;

 private:
  void showNested();
  void showSize(long bytes) const;

  Selection& parent_;
  const SetupScript& script_;
  const SizeText& sizes_;
  ComponentList list_;
  WizardPicture picture_;
};
