#pragma once
// CharacterChooser: the Character dialog of one window that it serves: the
// Add Words and Change Words dialogs, the quiz window and the test window.
// The window's C&haracter command opens the dialog, or activates the one that
// is open; the dialog runs inside that command until it closes, and each
// character chosen in it goes to the window's insert function. The window
// closes the dialog when it closes itself. Every window answers the dialog's
// callback alike: 1 to the first two messages (so the dialog may always
// close), 0 to its other commands.
#include "editor/CharacterDialog.h"

#include <functional>
#include <string>

class CharacterChooser {
 public:
  // Gets each chosen character as text in the program's text encoding.
  using Insert = std::function<void(const std::string& character)>;

  CharacterChooser() = default;
  CharacterChooser(const CharacterChooser&) = delete;
  CharacterChooser& operator=(const CharacterChooser&) = delete;

  // Runs the dialog below owner with the display font of settings until it
  // closes; when one is open already, activates it and returns at once.
  void open(HWND owner, const Settings& settings, Insert insert);
  // Ends the open dialog, if any.
  void close();
  bool isOpen() const { return dialog_ != nullptr; }
  // See CharacterDialog::ownerDeactivated.
  void ownerDeactivated(HWND other);

 private:
  static LRESULT answer(void* context, UINT message, LPARAM argument);

  CharacterDialog* dialog_ = nullptr;
  Insert insert_;
};

// Appends character (one character's text) at the end of edit's text,
// focuses the edit (which activates its window) and puts the caret after it.
void appendCharacter(HWND edit, const std::string& character);
