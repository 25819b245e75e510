#include "editor/ChangeWordsDialog.h"

#include "resources/QuizResourceIds.h"

ChangeWordsDialog::ChangeWordsDialog(Settings& settings, WordRowEditor& rows)
    : WordEntryDialog(IDD_CHANGE_WORDS, IDC_CHANGE_WORDS_CHANGE, IDC_CHANGE_WORDS_CANCEL, settings), rows_(rows) {}

LRESULT ChangeWordsDialog::onInitDialog(HWND) {
  SendMessageA(hwnd, WM_SETICON, ICON_BIG, 0);
  SendMessageA(hwnd, WM_SETICON, ICON_SMALL, 0);
  setUpEdits();
  stepToNextRow();
  return FALSE;
}

bool ChangeWordsDialog::takeWords(const CText& first, const CText& second) {
  if (!rows_.changeRowWords(row_, first.c_str(), second.c_str())) return false;
  stepToNextRow();
  return true;
}

void ChangeWordsDialog::stepToNextRow() {
  int next = rows_.nextSelectedRow(row_);
  if (next < 0) {
    finish();
    return;
  }
  row_ = next;
  CText first, second;
  rows_.rowWords(row_, &first, &second);
  showWords(first.c_str(), second.c_str());
  focusFirstWord();
}
