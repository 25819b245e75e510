#include "editor/FindDialog.h"

#include "editor/model/WordFinder.h"
#include "framework/registry/RegistryKey.h"
#include "framework/win/DisplayScale.h"
#include "resources/QuizResourceIds.h"

namespace {

const UINT kKeepPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// True when a window at rect would be seen on some screen.
bool onScreen(const RECT& rect) { return MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr; }

}  // namespace

FindDialog::FindDialog(FindTarget& target, const Settings& settings)
    : CWinDialog(IDD_FIND), target_(target), settings_(settings) {}

void FindDialog::run() { runModal(nullptr); }

void FindDialog::close() {
  if (hwnd) EndDialog(hwnd, IDCANCEL);
}

void FindDialog::activate() {
  if (hwnd) SetActiveWindow(hwnd);
}

void FindDialog::dropTopmost() {
  if (hwnd) SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, kKeepPlace);
}

LRESULT FindDialog::onInitDialog(HWND) {
  SendMessageA(hwnd, WM_SETICON, ICON_BIG, 0);
  SendMessageA(hwnd, WM_SETICON, ICON_SMALL, 0);
  readOptions();
  readHistory();
  focusText();
  return FALSE;
}

LRESULT FindDialog::onCommand(UINT id, UINT, HWND) {
  if (id == IDC_FIND_NEXT) findNext();
  else if (id == IDC_FIND_CANCEL) close();
  return 0;
}

LRESULT FindDialog::onDestroy() {
  writeSettings();
  return 0;
}

// While active the dialog stays above every other window, with the word list
// window right below it; once another window is active, that one comes first.
LRESULT FindDialog::onActivate(UINT state, BOOL, HWND) {
  if (state != WA_INACTIVE) {
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, kKeepPlace);
    SetWindowPos(target_.window(), hwnd, 0, 0, 0, 0, kKeepPlace);
    return 0;
  }
  dropTopmost();
  HWND foreground = GetForegroundWindow();
  if (foreground && foreground != hwnd) SetWindowPos(foreground, HWND_TOP, 0, 0, 0, 0, kKeepPlace);
  return 0;
}

void FindDialog::readOptions() {
  CRegistryKey key;
  CText path(settings_.rootPath());
  path.append(Settings::kFindKey);
  if (key.open(HKEY_CURRENT_USER, path.c_str(), CRegistryKey::kForReading) != ERROR_SUCCESS) {
    CheckRadioButton(hwnd, IDC_FIND_UP, IDC_FIND_DOWN, IDC_FIND_DOWN);
    return;
  }
  DWORD direction = 0, wholeWord = 0, matchCase = 0, left = 0, top = 0;
  settings_.readNumber(Settings::kFindKey, Settings::kFindDirection, &direction);
  settings_.readNumber(Settings::kFindKey, Settings::kFindWholeWord, &wholeWord);
  settings_.readNumber(Settings::kFindKey, Settings::kFindMatchCase, &matchCase);
  CheckRadioButton(hwnd, IDC_FIND_UP, IDC_FIND_DOWN, direction == 1 ? IDC_FIND_DOWN : IDC_FIND_UP);
  CheckDlgButton(hwnd, IDC_FIND_WHOLE_WORD, wholeWord ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(hwnd, IDC_FIND_MATCH_CASE, matchCase ? BST_CHECKED : BST_UNCHECKED);
  if (!settings_.readNumber(Settings::kFindKey, Settings::kFindLeft, &left) ||
      !settings_.readNumber(Settings::kFindKey, Settings::kFindTop, &top))
    return;
  // The place is stored at 96 dots per inch.
  const CDisplayScale scale = CDisplayScale::of(hwnd);
  RECT place;
  GetWindowRect(hwnd, &place);
  OffsetRect(&place, scale(static_cast<int>(left)) - place.left, scale(static_cast<int>(top)) - place.top);
  // A place on a screen that is no longer there would hide the dialog.
  if (onScreen(place)) SetWindowPos(hwnd, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void FindDialog::readHistory() {
  for (int i = 0; i < FindHistory::kMaxEntries; ++i) {
    CText name, text;
    name.format(Settings::kRecentFindFormat, i);
    if (settings_.readText(Settings::kRecentStringsKey, name.c_str(), &text)) history_.appendStored(text.c_str());
  }
  showHistory(history_.entries().empty() ? "" : history_.entries()[0].c_str());
}

void FindDialog::showHistory(const char* text) {
  HWND combo = GetDlgItem(hwnd, IDC_FIND_TEXT);
  SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  for (const CText& entry : history_.entries()) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  SetWindowTextA(combo, text);
  SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

void FindDialog::findNext() {
  CText text;
  getItemText(IDC_FIND_TEXT, text);
  if (text.empty()) {
    focusText();
    return;
  }
  history_.add(text.c_str());
  showHistory(text.c_str());
  if (target_.rows().count() > 0) {
    int row = findRow(target_.rows(), target_.firstSelectedRow(), text.c_str(), flags());
    if (row >= 0) {
      target_.showFoundRow(row);
    } else {
      CText message, caption;
      message.formatResource(QuizString::kCannotFindString, text.c_str());
      caption.load(QuizString::kFindCaption);
      MessageBoxA(hwnd, message.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
    }
  }
  focusText();
}

unsigned FindDialog::flags() const {
  unsigned flags = 0;
  if (checked(hwnd, IDC_FIND_DOWN)) flags |= kFindDown;
  if (checked(hwnd, IDC_FIND_MATCH_CASE)) flags |= kFindMatchCase;
  if (checked(hwnd, IDC_FIND_WHOLE_WORD)) flags |= kFindWholeWord;
  return flags;
}

void FindDialog::writeSettings() const {
  const std::vector<CText>& entries = history_.entries();
  for (size_t i = 0; i < entries.size(); ++i) {
    CText name;
    name.format(Settings::kRecentFindFormat, static_cast<int>(i));
    settings_.writeText(Settings::kRecentStringsKey, name.c_str(), entries[i].c_str());
  }
  RECT place;
  GetWindowRect(hwnd, &place);
  settings_.writeNumber(Settings::kFindKey, Settings::kFindDirection, checked(hwnd, IDC_FIND_DOWN) ? 1 : 0);
  settings_.writeNumber(Settings::kFindKey, Settings::kFindWholeWord, checked(hwnd, IDC_FIND_WHOLE_WORD) ? 1 : 0);
  settings_.writeNumber(Settings::kFindKey, Settings::kFindMatchCase, checked(hwnd, IDC_FIND_MATCH_CASE) ? 1 : 0);
  const CDisplayScale scale = CDisplayScale::of(hwnd);
  settings_.writeNumber(Settings::kFindKey, Settings::kFindLeft, static_cast<DWORD>(scale.standard(place.left)));
  settings_.writeNumber(Settings::kFindKey, Settings::kFindTop, static_cast<DWORD>(scale.standard(place.top)));
}

void FindDialog::focusText() { SetFocus(GetDlgItem(hwnd, IDC_FIND_TEXT)); }
