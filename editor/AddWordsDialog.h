#pragma once
// AddWordsDialog: Add Words (template 1207). Each press of &Add appends the
// pair typed and empties both edits for the next one; the dialog stays open
// until &Cancel. Opened from the quiz window, it appends to the word list with
// mark 1 and marks the list as changed; opened from the word list window, it
// appends checked rows there. An empty word only moves the focus to its edit.
#include "editor/WordEntryDialog.h"
#include "editor/WordRowEditor.h"
#include "wordlist/WordList.h"

class AddWordsDialog : public WordEntryDialog {
 public:
  // The quiz window's mode; list and settings are borrowed.
  AddWordsDialog(Settings& settings, WordList& list);
  // The word list window's mode; rows and settings are borrowed.
  AddWordsDialog(Settings& settings, WordRowEditor& rows);

  LRESULT onInitDialog(HWND focus) override;

 private:
  bool takeWords(const CText& first, const CText& second) override;

  WordList* list_ = nullptr;
  WordRowEditor* rows_ = nullptr;
};
