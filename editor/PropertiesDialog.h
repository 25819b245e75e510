#pragma once
// PropertiesDialog: Properties (template 1206), the header of the open word
// list: the two languages, offered from the language table but free text,
// the author and the information. Only when one of the four was edited does
// OK store them (without marker bytes) and mark the list as changed; Cancel
// stores nothing. The list and the settings are borrowed.
#include "framework/win/WinDialog.h"
#include "wordlist/WordList.h"

class Settings;

class PropertiesDialog : public CWinDialog {
 public:
  PropertiesDialog(WordList& list, Settings& settings);

  LRESULT onInitDialog(HWND focus) override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;

  // A field was edited since the dialog opened.
  bool changed() const { return changed_; }

 private:
  void store();

  WordList& list_;
  Settings& settings_;
  bool changed_ = false;
};
