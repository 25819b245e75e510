#include "editor/WordEntryDialog.h"

#include "framework/win/DisplayScale.h"
#include "framework/win/WinControl.h"
#include "quiz/drill/FontDescription.h"
#include "quiz/drill/Settings.h"
#include "resources/QuizResourceIds.h"
#include "wordlist/MarkerBytes.h"
#include "wordlist/WordFileLayout.h"

namespace {

const int kEditWidth = 170;
const int kTallestEdit = 36;
const int kKeep = CWinControl::kKeep;

}  // namespace

WordEntryDialog::WordEntryDialog(WORD templateId, UINT mainButton, UINT cancelButton, Settings& settings)
    : CWinDialog(templateId), settings_(settings), mainButton_(mainButton), cancelButton_(cancelButton) {}

LRESULT WordEntryDialog::onCommand(UINT id, UINT code, HWND) {
  if (id == mainButton_)
    enterWords();
  else if (id == cancelButton_)
    finish();
  else if ((id == IDC_WORDS_FIRST || id == IDC_WORDS_SECOND) && code == EN_SETFOCUS)
    SendDlgItemMessageA(hwnd, id, EM_SETSEL, 0, -1);
  else if (id == IDC_WORDS_CHARACTER)
    openCharacter();
  return 0;
}

LRESULT WordEntryDialog::onClose() {
  finish();
  return TRUE;
}

LRESULT WordEntryDialog::onActivate(UINT state, BOOL minimized, HWND other) {
  if (state == WA_INACTIVE) character_.ownerDeactivated(other);
  return CWinDialog::onActivate(state, minimized, other);
}

void WordEntryDialog::setUpEdits() {
  placeTemplateAtScale();
  WPARAM font = reinterpret_cast<WPARAM>(scaledFont(settings_.fontHandle));
  const CDisplayScale scale = CDisplayScale::of(hwnd);
  const int height = scale(lineHeightFor(settings_.Font, kTallestEdit));
  for (int id : {IDC_WORDS_FIRST, IDC_WORDS_SECOND}) {
    // No longer than a word file's reader takes, or the list would not open again.
    SendDlgItemMessageA(hwnd, id, EM_LIMITTEXT, kLongestWordFileText, 0);
    if (font) SendDlgItemMessageA(hwnd, id, WM_SETFONT, font, TRUE);
    placeControl(id, kKeep, kKeep, scale(kEditWidth), height);
  }
}

void WordEntryDialog::enterWords() {
  CText first, second;
  if (readWords(&first, &second) && !takeWords(first, second))
    messageBox(QuizString::kNoMemory, QuizString::kErrorCaption, MB_OK | MB_ICONERROR);
}

bool WordEntryDialog::readWords(CText* firstWord, CText* secondWord) {
  getItemText(IDC_WORDS_FIRST, *firstWord);
  getItemText(IDC_WORDS_SECOND, *secondWord);
  dropMarkerBytes(firstWord);
  dropMarkerBytes(secondWord);
  if (firstWord->empty()) focusFirstWord();
  else if (secondWord->empty()) SetFocus(GetDlgItem(hwnd, IDC_WORDS_SECOND));
  return !firstWord->empty() && !secondWord->empty();
}

void WordEntryDialog::showWords(const char* firstWord, const char* secondWord) {
  SetDlgItemTextA(hwnd, IDC_WORDS_FIRST, firstWord);
  SetDlgItemTextA(hwnd, IDC_WORDS_SECOND, secondWord);
}

// Selects the whole word also when the edit had the focus already.
void WordEntryDialog::focusFirstWord() {
  SetFocus(GetDlgItem(hwnd, IDC_WORDS_FIRST));
  SendDlgItemMessageA(hwnd, IDC_WORDS_FIRST, EM_SETSEL, 0, -1);
}

void WordEntryDialog::finish() {
  character_.close();
  EndDialog(hwnd, IDCANCEL);
}

// A click on the Character button gave it the default look; the dialog's own
// button takes it back, so that Enter keeps adding or changing words.
void WordEntryDialog::openCharacter() {
  restoreDefaultButton(mainButton_, IDC_WORDS_CHARACTER);
  character_.open(hwnd, settings_, [this](const std::string& character) { insertCharacter(character); });
}

// Activating the dialog gives the focus back to the control that had it.
void WordEntryDialog::insertCharacter(const std::string& character) {
  SetActiveWindow(hwnd);
  HWND second = GetDlgItem(hwnd, IDC_WORDS_SECOND);
  appendCharacter(GetFocus() == second ? second : GetDlgItem(hwnd, IDC_WORDS_FIRST), character);
}
