#pragma once
// WordEntryDialog: what the Add Words and Change Words dialogs share. Two
// edits for the first and the second word, in the program's display font and
// sized to it, select their whole text when they gain the focus; the
// C&haracter button opens the Character dialog, whose characters go to the
// end of the second word when its edit had the focus and to the end of the
// first word otherwise. The dialog's own button reads both words back,
// without the bytes a word cannot hold, and hands them on when both are
// there; its cancel button and closing end the dialog. The settings are
// borrowed for the font and the modified flag.
#include "editor/CharacterChooser.h"
#include "framework/win/WinDialog.h"

class Settings;

class WordEntryDialog : public CWinDialog {
 public:
  LRESULT onCommand(UINT id, UINT code, HWND control) override;
  LRESULT onClose() override;
  LRESULT onActivate(UINT state, BOOL minimized, HWND other) override;

 protected:
  // mainButton: the dialog's own default button; cancelButton ends it.
  WordEntryDialog(WORD templateId, UINT mainButton, UINT cancelButton, Settings& settings);

  // The words typed, neither empty, when the own button was pressed.
  // Answers false when memory for them could not be had; that is reported.
  virtual bool takeWords(const CText& firstWord, const CText& secondWord) = 0;

  // Gives both edits the display font and its height, 170 pixels wide.
  void setUpEdits();
  void showWords(const char* firstWord, const char* secondWord);
  void focusFirstWord();
  // Closes the Character dialog, then this one.
  void finish();

  Settings& settings_;

 private:
  void enterWords();
  // Both words, each without marker bytes. False, with the focus in the
  // first edit whose word is empty, when a word is missing.
  bool readWords(CText* firstWord, CText* secondWord);
  void openCharacter();
  void insertCharacter(const std::string& character);

  UINT mainButton_;
  UINT cancelButton_;
  CharacterChooser character_;
};
