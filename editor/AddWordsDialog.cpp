#include "editor/AddWordsDialog.h"

#include "quiz/drill/Settings.h"
#include "resources/QuizResourceIds.h"

AddWordsDialog::AddWordsDialog(Settings& settings, WordList& list)
    : WordEntryDialog(IDD_ADD_WORDS, IDC_ADD_WORDS_ADD, settings), list_(&list) {}

AddWordsDialog::AddWordsDialog(Settings& settings, WordRowEditor& rows)
    : WordEntryDialog(IDD_ADD_WORDS, IDC_ADD_WORDS_ADD, settings), rows_(&rows) {}

LRESULT AddWordsDialog::onInitDialog(HWND) {
  setUpEdits();
  return TRUE;
}

LRESULT AddWordsDialog::onCommand(UINT id, UINT code, HWND control) {
  switch (id) {
    case IDC_ADD_WORDS_ADD: add(); return 0;
    case IDC_ADD_WORDS_CANCEL: finish(); return 0;
    default: return WordEntryDialog::onCommand(id, code, control);
  }
}

void AddWordsDialog::add() {
  CText first, second;
  if (!readWords(&first, &second)) return;
  bool added = rows_ ? rows_->appendCheckedRow(first.c_str(), second.c_str())
                     : list_->pairs.append(first.c_str(), second.c_str(), 1) >= 0;
  if (!added) {
    reportNoMemory();
    return;
  }
  if (list_) settings_.setModified(true);
  showWords("", "");
  focusFirstWord();
}
