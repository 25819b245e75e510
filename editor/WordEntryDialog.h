#pragma once
// WordEntryDialog: what the Add Words and Change Words dialogs share. Two
// edits for the first and the second word, in the program's display font and
// sized to it, select their whole text when they gain the focus; the
// C&haracter button opens the Character dialog, whose characters go to the
// end of the second word when its edit had the focus and to the end of the
// first word otherwise; words are read back without the bytes a word cannot
// hold. The settings are borrowed for the font and the modified flag.
#include "editor/CharacterChooser.h"
#include "framework/win/WinDialog.h"

class Settings;

class WordEntryDialog : public CWinDialog {
 public:
  LRESULT onCommand(UINT id, UINT code, HWND control) override;
  LRESULT onClose() override;
  LRESULT onActivate(UINT state, BOOL minimized, HWND other) override;

 protected:
  // mainButton: the dialog's own default button.
  WordEntryDialog(WORD templateId, UINT mainButton, Settings& settings);

  // Gives both edits the display font and its height, 170 pixels wide.
  void setUpEdits();
  // Both words, each without marker bytes. False, with the focus in the
  // first edit whose word is empty, when a word is missing.
  bool readWords(CText* firstWord, CText* secondWord);
  void showWords(const char* firstWord, const char* secondWord);
  void focusFirstWord();
  // Reports that memory for the words could not be had.
  void reportNoMemory();
  // Closes the Character dialog, then this one.
  void finish();

  Settings& settings_;

 private:
  void openCharacter();
  void insertCharacter(const std::string& character);

  UINT mainButton_;
  CharacterChooser character_;
};
