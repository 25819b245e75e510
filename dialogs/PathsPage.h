#pragma once
// PathsPage: the Paths page of the Settings dialog (template 1212): the right
// and wrong answer sounds, chosen in the wave dialog with its preview, and
// the word files folder, chosen in the folder browser.
#include "framework/win/WinDialog.h"
#include "quiz/drill/Settings.h"

class PathsPage : public CWinDialog {
 public:
  // Borrows settings for the page's life. The wave dialog may empty
  // settings.FilePath when that folder no longer exists.
  explicit PathsPage(Settings& settings);

  LRESULT onInitDialog(HWND focus) override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;

  // Stores both sound names, a name that is no existing file as empty, and
  // the folder as typed.
  void apply();

 private:
  void chooseSound(int editId);
  void chooseFolder();
  // The edit's text when it names an existing file, else empty.
  CText existingFile(int editId) const;

  Settings& settings_;
};
