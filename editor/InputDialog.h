#pragma once
// InputDialog: a one-line prompt (template 1204). The caller fills the
// fields, runs the dialog modally and reads value and accepted back. With
// browse the &Get button offers the program's file dialog, in save mode for
// word files, titled like this dialog. The settings are borrowed for that
// file dialog.
#include "framework/win/WinDialog.h"

class Settings;

class InputDialog : public CWinDialog {
 public:
  explicit InputDialog(Settings& settings);

  LRESULT onInitDialog(HWND focus) override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;
  LRESULT onDestroy() override;

  CText value;  // in: the initial text; out: the text as edited, however the dialog closed
  CText title;
  CText prompt;
  CText okCaption;
  CText cancelCaption;
  bool accepted = false;  // out: closed with the OK button
  bool browse = false;    // in: offer the &Get button

 private:
  void getFile();

  Settings& settings_;
};
