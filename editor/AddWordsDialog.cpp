#include "editor/AddWordsDialog.h"

#include "quiz/drill/Settings.h"
#include "resources/QuizResourceIds.h"

AddWordsDialog::AddWordsDialog(Settings& settings, WordList& list)
    : WordEntryDialog(IDD_ADD_WORDS, IDC_ADD_WORDS_ADD, IDC_ADD_WORDS_CANCEL, settings), list_(&list) {}

AddWordsDialog::AddWordsDialog(Settings& settings, WordRowEditor& rows)
    : WordEntryDialog(IDD_ADD_WORDS, IDC_ADD_WORDS_ADD, IDC_ADD_WORDS_CANCEL, settings), rows_(&rows) {}

LRESULT AddWordsDialog::onInitDialog(HWND) {
  setUpEdits();
  return TRUE;
}

bool AddWordsDialog::takeWords(const CText& first, const CText& second) {
  bool added = rows_ ? rows_->appendCheckedRow(first.c_str(), second.c_str())
                     : list_->pairs.append(first.c_str(), second.c_str(), 1) >= 0;
  if (!added) return false;
  if (list_) settings_.setModified(true);
  showWords("", "");
  focusFirstWord();
  return true;
}
