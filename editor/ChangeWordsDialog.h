#pragma once
// ChangeWordsDialog: Change Words (template 1202), opened by the word list
// window. It shows the words of the selected rows one row after another, from
// the top; C&hange gives the row the words typed (its check stays) and steps
// to the next selected row, &Cancel leaves the rows not reached as they are.
// After the last selected row the dialog closes by itself.
#include "editor/WordEntryDialog.h"
#include "editor/WordRowEditor.h"

class ChangeWordsDialog : public WordEntryDialog {
 public:
  // rows and settings are borrowed.
  ChangeWordsDialog(Settings& settings, WordRowEditor& rows);

  LRESULT onInitDialog(HWND focus) override;

 private:
  bool takeWords(const CText& first, const CText& second) override;
  void stepToNextRow();

  WordRowEditor& rows_;
  int row_ = -1;  // the row shown
};
