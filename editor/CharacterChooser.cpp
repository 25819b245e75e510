#include "editor/CharacterChooser.h"

void CharacterChooser::open(HWND owner, const Settings& settings, Insert insert) {
  if (dialog_) {
    dialog_->activate();
    return;
  }
  CharacterDialog dialog(settings, owner, answer, this);
  insert_ = std::move(insert);
  dialog_ = &dialog;
  dialog.run();
  // A dialog closed from outside may have been followed by a new one.
  if (dialog_ == &dialog) dialog_ = nullptr;
}

void CharacterChooser::close() {
  if (!dialog_) return;
  dialog_->close();
  dialog_ = nullptr;
}

void CharacterChooser::ownerDeactivated(HWND other) {
  if (dialog_) dialog_->ownerDeactivated(other);
}

LRESULT CharacterChooser::answer(void* context, UINT message, LPARAM argument) {
  auto* chooser = static_cast<CharacterChooser*>(context);
  switch (message) {
    case CharacterDialog::kInitialised:
    case CharacterDialog::kClosing: return 1;
    case CharacterDialog::kChosen:
      if (chooser->insert_) chooser->insert_(characterText(static_cast<unsigned>(argument)));
      return 0;
    default: return 0;
  }
}

void appendCharacter(HWND edit, const std::string& character) {
  // The edit may select its whole text when it gains the focus; the
  // character goes after it all the same.
  SetFocus(edit);
  int end = GetWindowTextLengthA(edit);
  SendMessageA(edit, EM_SETSEL, end, end);
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(character.c_str()));
}
