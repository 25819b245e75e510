#include "editor/ChangeWordsDialog.h"

#include "resources/QuizResourceIds.h"

ChangeWordsDialog::ChangeWordsDialog(Settings& settings, WordRowEditor& rows)
    : WordEntryDialog(IDD_CHANGE_WORDS, IDC_CHANGE_WORDS_CHANGE, settings), rows_(rows) {}

LRESULT ChangeWordsDialog::onInitDialog(HWND) {
  SendMessageA(hwnd, WM_SETICON, ICON_BIG, 0);
  SendMessageA(hwnd, WM_SETICON, ICON_SMALL, 0);
  setUpEdits();
  stepToNextRow();
  return FALSE;
}

LRESULT ChangeWordsDialog::onCommand(UINT id, UINT code, HWND control) {
  switch (id) {
    case IDC_CHANGE_WORDS_CHANGE: change(); return 0;
    case IDC_CHANGE_WORDS_CANCEL: finish(); return 0;
    default: return WordEntryDialog::onCommand(id, code, control);
  }
}

void ChangeWordsDialog::change() {
  CText first, second;
  if (!readWords(&first, &second)) return;
  if (!rows_.changeRowWords(row_, first.c_str(), second.c_str())) {
    reportNoMemory();
    return;
  }
  stepToNextRow();
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
