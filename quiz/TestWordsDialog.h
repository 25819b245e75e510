#pragma once
// TestWordsDialog: the words grid of a finished test (dialog 1208). Its 18
// rows show the entries of the WordTest from the scroll position on: a
// heading, the first direction's questions, a second heading and the second
// direction's questions, each with the typed and the right answer. The rows
// cannot be changed: any notification of a row fills the rows again. The test
// is borrowed for the dialog's run.
#include "framework/win/WinDialog.h"
#include "quiz/drill/WordTest.h"

class TestWordsDialog : public CWinDialog {
 public:
  explicit TestWordsDialog(WordTest& test);

  LRESULT onInitDialog(HWND focus) override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;
  LRESULT onVScroll(UINT code, UINT position, HWND bar) override;

 private:
  void fillRows();
  int lastTop() const;

  WordTest& test_;
  int top_ = 0;
  bool filling_ = false;
};
