#include "quiz/QuizWindow.h"

#include "dialogs/AboutDialog.h"
#include "dialogs/QuizFileDialog.h"
#include "dialogs/SettingsDialog.h"
#include "editor/AddWordsDialog.h"
#include "editor/PropertiesDialog.h"
#include "framework/core/StringFunctions.h"
#include "framework/win/DisplayScale.h"
#include "framework/win/WaitCursor.h"
#include "framework/win/WinControl.h"
#include "framework/win/WinFrame.h"
#include "quiz/CombineDialog.h"
#include "quiz/HardWordsDialog.h"
#include "quiz/ManageFiles.h"
#include "quiz/TestWindow.h"
#include "quiz/drill/CommandLine.h"
#include "quiz/drill/FontDescription.h"
#include "resources/QuizResourceIds.h"
#include "wordlist/WordFile.h"
#include "wordlist/WordFileLayout.h"

#include <mmsystem.h>
#include <shellapi.h>
#include <shlobj.h>

namespace {

const UINT kAutosavePeriod = 3000;
const UINT kRestoreDelay = 1000;
const UINT kActivateWordListDelay = 10;
const int kInitialHeight = 282;
const int kMinimumWidth = 268;
const int kClientHeight = 238;
const int kKeep = CWinControl::kKeep;
const int kSeparatorId = -1;  // the template stores it as 0xFFFFFFFF
const int kAnswerReadLimit = Drill::kAnswerLimit + 1;

// The Manage Files commands, which act only on a list that has a file.
const UINT kFileCommands[] = {IDM_QUIZ_DELETE_FILE, IDM_QUIZ_RENAME_FILE, IDM_QUIZ_MOVE_FILE, IDM_QUIZ_COPY_FILE};
const int kTallestAnswerBox = 36;
// The layout in pixels at 96 dots per inch; an inset is a distance from the
// client area's right edge.
const int kButtonInset = 135;
const int kButtonTop = 10;
const int kButtonStep = 33;
const int kLineLeft = 5;
const int kLineInset = 160;  // the lines are the width less this
const int kAnswerLabelTop = 67;
const int kAnswerTop = 81;
const int kDirectionLeft = 5;
const int kDirectionTop = 215;
const int kDirectionHeight = 21;
const int kDirectionInset = 132;         // the two directions share the width less this
const int kSecondDirectionInset = 125;   // the second starts at half the width less this
const int kAskPreviousInset = 120;
const int kSeparatorTop = 213;
const int kSeparatorInset = 10;
const int kSeparatorHeight = 2;

// The last part of the registry path (string 28010) names the program's
// folders, "Verbolt'97" or "Kielivisa'97".
CText programFolderName() {
  CText path;
  path.load(QuizString::kRegistryPath);
  return path.mid(path.findLast('\\') + 1, static_cast<int>(path.length()) - path.findLast('\\') - 1);
}

// path with every component replaced by its long name, as far as the
// components can be found.
CText longPathName(const char* path) {
  char full[MAX_PATH];
  DWORD length = GetFullPathNameA(path, MAX_PATH, full, nullptr);
  CText source(length > 0 && length < MAX_PATH ? full : path);
  int start = source.find('\\');
  if (start < 0) return source;
  CText result = source.left(start);
  while (start >= 0 && static_cast<unsigned>(start) < source.length()) {
    int next = findCharAfter(source.c_str(), '\\', start);
    int end = next < 0 ? static_cast<int>(source.length()) : next;
    CText component = source.mid(start + 1, end - start - 1);
    WIN32_FIND_DATAA data;
    CText candidate = result + '\\';
    candidate.append(component);
    HANDLE find = component.empty() ? INVALID_HANDLE_VALUE : FindFirstFileA(candidate.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
      result.append(source.c_str() + start);
      return result;
    }
    FindClose(find);
    result.append('\\');
    result.append(data.cFileName);
    start = next;
  }
  return result;
}

}  // namespace

QuizWindow::QuizWindow(QuizApp& app)
    : CWinDialog(IDD_QUIZ),
      app_(app),
      settings_(app.settings),
      document_(*app.document),
      instances_(app.settings),
      drill_(*app.document, app.settings, *this, random_),
      autosave_(app.settings, instances_, app.programFolder().c_str(), programFolderName().c_str()) {}

LRESULT QuizWindow::onInitDialog(HWND) {
  placeTemplateAtScale();
  broadcast(instances_.hello(), reinterpret_cast<LPARAM>(hwnd));
  if (!SetTimer(hwnd, QuizTimer::kAutosave, kAutosavePeriod, nullptr))
    reportError(QuizString::kCannotSetTimer);
  SetTimer(hwnd, QuizTimer::kRestore, kRestoreDelay, nullptr);
  CheckRadioButton(hwnd, IDC_QUIZ_SECOND_TO_FIRST, IDC_QUIZ_FIRST_TO_SECOND,
                   settings_.askSecond() ? IDC_QUIZ_SECOND_TO_FIRST : IDC_QUIZ_FIRST_TO_SECOND);
  DWORD width = Settings::kDefaultMainWidth;
  settings_.readNumber(Settings::kSettingsKey, Settings::kMainWidth, &width);
  const CDisplayScale scale = CDisplayScale::of(hwnd);
  SetWindowPos(hwnd, nullptr, 0, 0, scale(static_cast<int>(width)), scale(kInitialHeight), SWP_NOMOVE | SWP_NOZORDER);
  loadCommandLine();
  CheckDlgButton(hwnd, IDC_QUIZ_ASK_PREVIOUS, BST_CHECKED);
  DragAcceptFiles(hwnd, TRUE);
  HICON icon = loadIcon(IDI_VERBOLT);
  SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  SetClassLongPtrA(hwnd, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
  applyUserFont();
  showRememberAnswers();
  refreshDirectionCaptions();
  refreshTitle();
  show(&Drill::restart);
  return FALSE;
}

LRESULT QuizWindow::onCommand(UINT id, UINT code, HWND) {
  switch (id) {
    case IDC_QUIZ_CHECK: check(); break;
    case IDC_QUIZ_GIVE_HELP: giveHelp(); break;
    case IDC_QUIZ_SECOND_TO_FIRST:
    case IDC_QUIZ_FIRST_TO_SECOND: chooseDirection(id); break;
    case IDC_QUIZ_ASK_PREVIOUS: toggleAskPrevious(); break;
    case IDC_QUIZ_ANSWER:
      if (code == EN_SETFOCUS) SendDlgItemMessageA(hwnd, IDC_QUIZ_ANSWER, EM_SETSEL, 0, -1);
      break;
    case IDM_QUIZ_NEW: newList(); break;
    case IDC_QUIZ_OPEN: openList(); break;
    case IDC_QUIZ_SAVE:
      saveList();
      refreshTitle();
      setDefaultButton(IDC_QUIZ_CHECK);
      focusAnswer();
      break;
    case IDM_QUIZ_SAVE_AS: saveListAs(); break;
    case IDC_QUIZ_CLOSE: closeWindow(); break;
    case IDM_QUIZ_SETTINGS: openSettings(); break;
    case IDM_QUIZ_ABOUT: openAbout(); break;
    case IDM_QUIZ_WORDLIST: openWordList(); break;
    case IDM_NEXT_TAB_STOP:
    case IDM_PREVIOUS_TAB_STOP: focusNextTabStop(id == IDM_PREVIOUS_TAB_STOP); break;
    case IDM_QUIZ_TESTS: runTest(); break;
    case IDM_QUIZ_COMBINE_FILES: combineFiles(); break;
    case IDC_QUIZ_CHARACTER: openCharacter(); break;
    case IDM_QUIZ_PROPERTIES: openProperties(); break;
    case IDM_QUIZ_ADD_WORDS: addWords(); break;
    case IDM_QUIZ_DELETE_FILE:
    case IDM_QUIZ_RENAME_FILE:
    case IDM_QUIZ_MOVE_FILE:
    case IDM_QUIZ_COPY_FILE: manageFiles(id); break;
    case IDM_QUIZ_COUNT_AS_RIGHT: countAsRight(); break;
    case IDM_QUIZ_MARK_HARD_WORDS: markHardWords(); break;
    case IDM_QUIZ_MARK_DUE_WORDS: markDueWords(); break;
    case IDM_QUIZ_REMEMBER_ANSWERS:
      settings_.rememberAnswers = !settings_.rememberAnswers;
      showRememberAnswers();
      break;
  }
  return 0;
}

LRESULT QuizWindow::onClose() {
  closeWindow();
  return TRUE;
}

LRESULT QuizWindow::onDestroy() {
  DragAcceptFiles(hwnd, FALSE);
  if (!settings_.closing) {
    settings_.closing = 1;
    finishClosing();
  }
  PostQuitMessage(0);
  return 0;
}

LRESULT QuizWindow::onTimer(UINT_PTR id) {
  if (id == QuizTimer::kAutosave) {
    autosave_.tick(document_, *this);
  } else if (id == QuizTimer::kRestore) {
    KillTimer(hwnd, QuizTimer::kRestore);
    restoreLeftOver();
  } else if (id == QuizTimer::kActivateWordList) {
    KillTimer(hwnd, QuizTimer::kActivateWordList);
    if (wordList_) wordList_->activate();
  }
  return 0;
}

// The word list window keeps the focus while it is open.
LRESULT QuizWindow::onActivate(UINT state, BOOL, HWND other) {
  if (state != WA_INACTIVE && wordList_ && other && other == wordList_->hwnd)
    SetTimer(hwnd, QuizTimer::kActivateWordList, kActivateWordListDelay, nullptr);
  return 0;
}

// The layout is in pixels at 96 dots per inch, w the width at that scale; the
// lines stand where the template puts them with its font at that scale, so
// that no font's dialog units can move them onto each other.
LRESULT QuizWindow::onSize(UINT type, int width, int) {
  if (type == SIZE_MINIMIZED) return 0;
  const CDisplayScale scale = CDisplayScale::of(hwnd);
  const int w = scale.standard(width);
  // Edges are scaled, not sizes, so that neighbours stay apart.
  auto place = [&](int id, int x, int y, int across, int down) {
    placeControl(id, scale(x), scale(y), across == kKeep ? kKeep : scale(x + across) - scale(x),
                 down == kKeep ? kKeep : scale(y + down) - scale(y));
  };
  const int buttons[] = {IDC_QUIZ_CHECK, IDC_QUIZ_GIVE_HELP, IDC_QUIZ_CHARACTER,
                         IDC_QUIZ_OPEN, IDC_QUIZ_SAVE, IDC_QUIZ_CLOSE};
  for (int i = 0; i < 6; ++i) place(buttons[i], w - kButtonInset, kButtonTop + kButtonStep * i, kKeep, kKeep);
  struct Line {
    int id, top, height;
  };
  const Line lines[] = {{IDC_QUIZ_QUESTION_LABEL, 10, 23}, {IDC_QUIZ_QUESTION_WORD, 39, 26},
                        {IDC_QUIZ_RESULT, 119, 23},         {IDC_QUIZ_RIGHT_ANSWER, 143, 23},
                        {IDC_QUIZ_YOUR_ANSWER, 166, 23},    {IDC_QUIZ_POINTS, 190, 18}};
  for (const Line& line : lines) place(line.id, kLineLeft, line.top, w - kLineInset, line.height);
  place(IDC_QUIZ_ANSWER_LABEL, kLineLeft + 1, kAnswerLabelTop, kKeep, kKeep);
  place(IDC_QUIZ_ANSWER, kLineLeft, kAnswerTop, w - kLineInset, kKeep);
  const int direction = (w - kDirectionInset) / 2;
  // Two pixels narrower than its share, which would reach into the next.
  place(IDC_QUIZ_SECOND_TO_FIRST, kDirectionLeft, kDirectionTop, direction - 2, kDirectionHeight);
  place(IDC_QUIZ_FIRST_TO_SECOND, (w - kSecondDirectionInset) / 2, kDirectionTop, direction, kDirectionHeight);
  place(IDC_QUIZ_ASK_PREVIOUS, w - kAskPreviousInset, kDirectionTop, kKeep, kKeep);
  place(kSeparatorId, kLineLeft, kSeparatorTop, w - kSeparatorInset, kSeparatorHeight);
  InvalidateRect(hwnd, nullptr, TRUE);
  return 0;
}

LRESULT QuizWindow::onDropFiles(HDROP drop) {
  char path[MAX_PATH] = "";
  DragQueryFileA(drop, 0, path, MAX_PATH);
  DragFinish(drop);
  if (refusedDuringTest() || !letGoOfList()) return 0;
  load(path, kFormatNone);
  show(&Drill::restart);
  refreshTitle();
  return 0;
}

LRESULT QuizWindow::defaultProcedure(UINT messageId, WPARAM wParam, LPARAM lParam) {
  if (messageId == WM_GETMINMAXINFO) {
    keepWindowHeight(hwnd, reinterpret_cast<MINMAXINFO*>(lParam), kMinimumWidth, kClientHeight);
    return TRUE;
  }
  if (settings_.messageNumber != 0 && messageId == settings_.messageNumber) {
    InstanceList::Reply reply = instances_.receive(wParam, lParam, hwnd, app_.getInstance());
    if (reply.to) PostMessageA(reply.to, settings_.messageNumber, reply.wParam, reply.lParam);
    return TRUE;
  }
  return CWinDialog::defaultProcedure(messageId, wParam, lParam);
}

void QuizWindow::playSound(const char* fileName) {
  PlaySoundA(fileName, nullptr, SND_ASYNC | SND_FILENAME | SND_NOWAIT);
}

void QuizWindow::showError(UINT messageId) { reportError(messageId); }

void QuizWindow::reportError(UINT messageId, const char* argument) {
  messageBox(messageId, QuizString::kErrorCaption, MB_OK | MB_ICONERROR, argument);
}

void QuizWindow::check() {
  CWaitCursor wait;
  char typed[kAnswerReadLimit];
  GetDlgItemTextA(hwnd, IDC_QUIZ_ANSWER, typed, sizeof typed);
  drill_.check(typed);
  show(&Drill::nextQuestion);
}

// The menu item follows the drill; its key does nothing while it is greyed.
void QuizWindow::countAsRight() {
  if (wordList_ || !drill_.countAsRight()) return;
  show(&Drill::refresh, false);
}

void QuizWindow::enableCountAsRight() {
  bool enabled = drill_.canCountAsRight() && !wordList_;
  EnableMenuItem(GetMenu(hwnd), IDM_QUIZ_COUNT_AS_RIGHT, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void QuizWindow::giveHelp() {
  char typed[kAnswerReadLimit];
  GetDlgItemTextA(hwnd, IDC_QUIZ_ANSWER, typed, sizeof typed);
  CText hint;
  if (!drill_.giveHelp(typed, &hint)) return;
  SetDlgItemTextA(hwnd, IDC_QUIZ_ANSWER, hint.c_str());
  focusAnswer();
  SendDlgItemMessageA(hwnd, IDC_QUIZ_ANSWER, EM_SETSEL, hint.length(), hint.length());
  setDefaultButton(IDC_QUIZ_CHECK);
}

void QuizWindow::chooseDirection(UINT button) {
  if (IsDlgButtonChecked(hwnd, button) == BST_CHECKED) drill_.setDirection(button == IDC_QUIZ_SECOND_TO_FIRST);
  show(&Drill::reshuffle);
}

void QuizWindow::toggleAskPrevious() {
  drill_.toggleAskPrevious();
  showAskPrevious();
  focusAnswer();
}

// Greyed while the drill has forgotten the latest answer; its key does
// nothing then either.
void QuizWindow::showAskPrevious() {
  CheckDlgButton(hwnd, IDC_QUIZ_ASK_PREVIOUS, drill_.askPrevious() ? BST_CHECKED : BST_UNCHECKED);
  EnableWindow(GetDlgItem(hwnd, IDC_QUIZ_ASK_PREVIOUS), drill_.canAskPrevious());
}

void QuizWindow::newList() {
  if (refusedDuringTest() || !letGoOfList()) return;
  document_.reset(true);
  settings_.resetRunTimeFlags();
  CheckRadioButton(hwnd, IDC_QUIZ_SECOND_TO_FIRST, IDC_QUIZ_FIRST_TO_SECOND, IDC_QUIZ_SECOND_TO_FIRST);
  refreshTitle();
  refreshDirectionCaptions();
  show(&Drill::restart);
}

void QuizWindow::openList() {
  if (refusedDuringTest() || !letGoOfList()) return;
  CText path(document_.fileName);
  int type = document_.format;
  if (chooseFile(QuizString::kOpenFileTitle, true, QuizFileDialog::kAnyFiles, &path, &type)) {
    load(path.c_str(), type);
    show(&Drill::restart);
  }
  refreshTitle();
  setDefaultButton(IDC_QUIZ_CHECK);
}

bool QuizWindow::saveList() { return mayLoseCharacters() && writeList(); }

bool QuizWindow::writeList() {
  if (document_.fileName.empty()) {
    CText path;
    int type = document_.format;
    if (!chooseFile(QuizString::kSaveFileTitle, false, QuizFileDialog::kListFiles, &path, &type)) return false;
    document_.fileName = path;
    document_.format = type;
  }
  snapshotToList();
  FileResult result = save(document_);
  releaseSnapshot();
  if (result != FileResult::Ok) {
    reportError(fileResultMessageId(result));
    return false;
  }
  settings_.autoSaveCounter = 0;
  SHAddToRecentDocs(SHARD_PATHA, document_.fileName.c_str());
  settings_.setModified(false);
  document_.historyChanged = false;
  document_.charactersLost = false;
  autosave_.releaseRestored();
  return true;
}

// A list read with characters that the program's code page lacks holds them
// as '?'; saving writes that for good, so the learner decides first.
bool QuizWindow::mayLoseCharacters() {
  if (!document_.charactersLost) return true;
  return messageBox(QuizString::kSaveLosesCharacters, QuizString::kSaveCaption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void QuizWindow::saveListAs() {
  if (!mayLoseCharacters()) return;
  CText path(document_.fileName);
  int type = document_.format;
  if (!chooseFile(QuizString::kSaveFileTitle, false, QuizFileDialog::kListFiles, &path, &type)) return;
  document_.fileName = path;
  document_.format = type;
  writeList();
  refreshTitle();
}

// The dialog changes the settings in place; the window takes the font, and
// the colours with the next question, at once.
void QuizWindow::openSettings() {
  if (refusedDuringTest()) return;
  character_.close();
  {
    CWaitCursor wait;
    SettingsDialog dialog(settings_);
    dialog.runModal(hwnd);
  }
  applyUserFont();
  show(&Drill::nextQuestion);
}

void QuizWindow::openAbout() {
  CWaitCursor wait;
  AboutDialog dialog;
  dialog.runModal(hwnd);
}

void QuizWindow::openWordList() {
  if (refusedDuringTest()) return;
  character_.close();
  if (wordList_) {
    wordList_->activate();
    return;
  }
  WordListWindow window(document_, settings_);
  wordList_ = &window;
  enableCountAsRight();
  bool opened = window.run(hwnd);
  wordList_ = nullptr;
  // The window may have been closed because this one closed.
  if (opened && hwnd) show(&Drill::reshuffle);
}

void QuizWindow::closeWordList() {
  if (wordList_) wordList_->close();
}

void QuizWindow::snapshotToList() {
  if (wordList_) wordList_->snapshotToList();
}

void QuizWindow::releaseSnapshot() {
  if (wordList_) wordList_->releaseSnapshot();
}

void QuizWindow::focusNextTabStop(bool previous) {
  SendMessageA(hwnd, WM_NEXTDLGCTL, previous ? 1 : 0, FALSE);
}

// The test window runs its own loop inside this command until it closes.
// When the closing sequence closed it, that loop took the quit message that
// was meant for this window's loop, so it is posted again.
void QuizWindow::runTest() {
  character_.close();
  if (test_) {
    // A test window that has just closed still runs its loop until that
    // loop takes its quit message: the new test starts when it has ended.
    if (test_->isOpen()) test_->activate();
    else testAgain_ = true;
    return;
  }
  do {
    testAgain_ = false;
    TestWindow test(document_, settings_);
    test_ = &test;
    test.run(hwnd);
    test_ = nullptr;
  } while (testAgain_ && !settings_.closing);
  if (settings_.closing) PostQuitMessage(0);
}

void QuizWindow::combineFiles() {
  character_.close();
  CombineDialog dialog = madeUnderWaitCursor<CombineDialog>(settings_);
  dialog.runModal(hwnd);
}

// The dialog runs inside this command; the window stays usable meanwhile.
void QuizWindow::openCharacter() {
  restoreDefaultButton(IDC_QUIZ_CHECK, IDC_QUIZ_CHARACTER);
  character_.open(hwnd, settings_,
                  [this](const std::string& character) { appendCharacter(GetDlgItem(hwnd, IDC_QUIZ_ANSWER), character); });
}

// New languages change the question's label as well as the direction
// captions.
void QuizWindow::openProperties() {
  if (refusedDuringTest()) return;
  character_.close();
  PropertiesDialog dialog = madeUnderWaitCursor<PropertiesDialog>(document_, settings_);
  dialog.runModal(hwnd);
  refreshDirectionCaptions();
  setDefaultButton(IDC_QUIZ_CHECK);
  if (dialog.changed()) show(&Drill::refresh);
}

void QuizWindow::addWords() {
  if (refusedDuringTest()) return;
  character_.close();
  AddWordsDialog dialog = madeUnderWaitCursor<AddWordsDialog>(settings_, document_);
  dialog.runModal(hwnd);
  show(&Drill::reshuffle);
}

void QuizWindow::showRememberAnswers() {
  CheckMenuItem(GetMenu(hwnd), IDM_QUIZ_REMEMBER_ANSWERS,
                MF_BYCOMMAND | (settings_.rememberAnswers ? MF_CHECKED : MF_UNCHECKED));
}

void QuizWindow::markHardWords() {
  if (refusedDuringTest()) return;
  character_.close();
  closeWordList();
  DWORD count = Settings::kDefaultHardWords;
  settings_.readNumber(Settings::kSettingsKey, Settings::kHardWords, &count);
  HardWordsDialog dialog(count);
  if (dialog.runModal(hwnd) != IDOK) return;
  settings_.writeNumber(Settings::kSettingsKey, Settings::kHardWords, dialog.count);
  int marked;
  {
    CWaitCursor wait;
    marked = Schedule::markHard(document_.pairs, static_cast<int>(dialog.count));
  }
  reportMarked(marked, QuizString::kMarkHardWordsCaption);
}

void QuizWindow::markDueWords() {
  if (refusedDuringTest()) return;
  closeWordList();
  int marked;
  {
    CWaitCursor wait;
    marked = Schedule::markDue(document_.pairs, Schedule::today());
  }
  reportMarked(marked, QuizString::kMarkDueWordsCaption);
}

// The marks changed like those of the word list window: the list counts as
// changed and the drill asks just the marked pairs.
void QuizWindow::reportMarked(int marked, UINT captionId) {
  settings_.setModified(true);
  show(&Drill::reshuffle);
  CText text, caption;
  text.formatResource(QuizString::kWordsMarked, marked);
  caption.load(captionId);
  MessageBoxA(hwnd, text.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
}

void QuizWindow::manageFiles(UINT command) {
  if (refusedDuringTest()) return;
  ManageFiles(hwnd, document_, settings_).run(command);
  refreshTitle();
}

void QuizWindow::enableFileCommands() {
  HMENU menu = GetMenu(hwnd);
  UINT state = document_.fileName.empty() ? MF_GRAYED : MF_ENABLED;
  for (UINT id : kFileCommands) EnableMenuItem(menu, id, MF_BYCOMMAND | state);
}

bool QuizWindow::closeWindow() {
  if (settings_.closing) return true;
  if (!letGoOfList()) return false;
  settings_.closing = 1;
  finishClosing();
  DestroyWindow(hwnd);
  return true;
}

void QuizWindow::finishClosing() {
  character_.close();
  if (test_) test_->close();
  broadcast(instances_.goodbye(), 0);
  // The normal window's width, also while the window is minimised.
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  GetWindowPlacement(hwnd, &placement);
  const RECT& outer = placement.rcNormalPosition;
  const int width = CDisplayScale::of(hwnd).standard(outer.right - outer.left);
  settings_.writeNumber(Settings::kSettingsKey, Settings::kMainWidth, static_cast<DWORD>(width));
  autosave_.deleteOwnFile();
  KillTimer(hwnd, QuizTimer::kAutosave);
}

bool QuizWindow::letGoOfList() {
  closeWordList();
  if (!savePrompt()) return false;
  keepHistory();
  return true;
}

bool QuizWindow::savePrompt() {
  if (!settings_.modified()) return true;
  const UINT question = document_.fileName.empty() ? QuizString::kSaveChangesUntitled : QuizString::kSaveChangesNamed;
  switch (messageBox(question, QuizString::kSaveCaption, MB_YESNOCANCEL | MB_ICONQUESTION, document_.fileName.c_str())) {
    case IDYES: return saveList();
    case IDNO:
      autosave_.releaseRestored();
      return true;
    default: return false;
  }
}

// The drill changes the pairs' histories without making the list count as
// changed; before the list goes, they alone are written into its word file,
// as long as that file still holds the list's pairs.
void QuizWindow::keepHistory() {
  if (!document_.historyChanged || document_.fileName.empty() || document_.format != kFormatWordFile) return;
  FileResult result = storeHistory(document_);
  if (result == FileResult::CannotCreate || result == FileResult::CannotWrite)
    reportError(QuizString::kCannotStoreHistory, document_.fileName.c_str());
  document_.historyChanged = false;
}

bool QuizWindow::chooseFile(UINT titleId, bool open, int choice, CText* path, int* type) {
  CWaitCursor wait;
  CText title;
  title.load(titleId);
  QuizFileDialog dialog(settings_);
  return dialog.run(hwnd, title.c_str(), open, choice, path, type);
}

bool QuizWindow::load(const char* path, int type) {
  FileResult result = open(document_, path, type, [this](const InvalidLine& line) {
    CText text, caption;
    if (line.reason == InvalidLine::Reason::Unconvertible)
      text.formatResource(QuizString::kUnconvertibleLine, line.number);
    else if (line.reason == InvalidLine::Reason::TooLong)
      text.formatResource(QuizString::kLongWordLine, line.number, static_cast<int>(kLongestWordFileText));
    else
      text.load(QuizString::kInvalidTextLine);
    caption.load(QuizString::kErrorCaption);
    return MessageBoxA(hwnd, text.c_str(), caption.c_str(), MB_YESNO | MB_ICONINFORMATION) == IDYES;
  });
  if (result != FileResult::Ok) {
    reportError(fileResultMessageId(result), path);
    return false;
  }
  refreshDirectionCaptions();
  settings_.setModified(false);
  settings_.autoSaveCounter = 0;
  return true;
}

void QuizWindow::loadCommandLine() {
  CText argument = firstArgument(app_.commandLine);
  if (argument.empty()) return;
  load(longPathName(argument.c_str()).c_str(), kFormatWordFile);
}

void QuizWindow::restoreLeftOver() {
  CText path = autosave_.chooseLeftOver([this](const SYSTEMTIME& created) { return offerRestore(created); });
  if (path.empty()) return;
  closeWordList();
  keepHistory();
  CText title;
  title.load(QuizString::kTitleRestored);
  setText(title.c_str());
  // A file that cannot be read now is kept for a later attempt.
  if (!load(path.c_str(), kFormatWordFile)) {
    refreshTitle();
    return;
  }
  // The restored list exists nowhere else: it counts as changed, so that
  // every way out offers to save it, and its file stays until it is safe.
  document_.fileName.clear();
  enableFileCommands();
  autosave_.keepRestored(path.c_str());
  refreshDirectionCaptions();
  show(&Drill::restart);
  settings_.setModified(true);
}

bool QuizWindow::offerRestore(const SYSTEMTIME& created) {
  CText text, caption;
  text.formatResource(QuizString::kRestoreQuestion, created.wDay, created.wMonth, created.wYear, created.wHour,
                      created.wMinute);
  caption.load(QuizString::kRestoreCaption);
  return MessageBoxA(hwnd, text.c_str(), caption.c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void QuizWindow::show(bool (Drill::*step)(DrillDisplay*), bool emptyAnswer) {
  DrillDisplay display;
  const bool ok = (drill_.*step)(&display);
  enableCountAsRight();
  showAskPrevious();
  if (!ok) return;
  SetDlgItemTextA(hwnd, IDC_QUIZ_RESULT, display.resultLine.c_str());
  SetDlgItemTextA(hwnd, IDC_QUIZ_POINTS, display.pointsLine.c_str());
  SetDlgItemTextA(hwnd, IDC_QUIZ_QUESTION_LABEL, display.questionLabel.c_str());
  SetDlgItemTextA(hwnd, IDC_QUIZ_QUESTION_WORD, display.questionWord.c_str());
  SetDlgItemTextA(hwnd, IDC_QUIZ_RIGHT_ANSWER, display.rightLine.c_str());
  SetDlgItemTextA(hwnd, IDC_QUIZ_YOUR_ANSWER, display.yourLine.c_str());
  if (emptyAnswer) SetDlgItemTextA(hwnd, IDC_QUIZ_ANSWER, "");
  focusAnswer();
}

void QuizWindow::refreshTitle() {
  CText title;
  if (document_.fileName.empty()) {
    title.load(QuizString::kUntitled);
  } else {
    char fileTitle[MAX_PATH];
    if (GetFileTitleA(document_.fileName.c_str(), fileTitle, sizeof fileTitle) == 0) title = fileTitle;
    else title = document_.fileName;
  }
  title.appendResource(QuizString::kTitleSuffix);
  setText(title.c_str());
  enableFileCommands();
}

void QuizWindow::refreshDirectionCaptions() {
  CText secondFirst(document_.secondLanguage);
  secondFirst.append(" - ");
  secondFirst.append(document_.firstLanguage);
  CText firstSecond(document_.firstLanguage);
  firstSecond.append(" - ");
  firstSecond.append(document_.secondLanguage);
  SetDlgItemTextA(hwnd, IDC_QUIZ_SECOND_TO_FIRST, secondFirst.c_str());
  SetDlgItemTextA(hwnd, IDC_QUIZ_FIRST_TO_SECOND, firstSecond.c_str());
}

void QuizWindow::applyUserFont() {
  WPARAM font = reinterpret_cast<WPARAM>(scaledFont(settings_.fontHandle));
  SendDlgItemMessageA(hwnd, IDC_QUIZ_ANSWER, WM_SETFONT, font, TRUE);
  SendDlgItemMessageA(hwnd, IDC_QUIZ_QUESTION_WORD, WM_SETFONT, font, TRUE);
  const CDisplayScale scale = CDisplayScale::of(hwnd);
  const int height = scale(kAnswerTop + lineHeightFor(settings_.Font, kTallestAnswerBox)) - scale(kAnswerTop);
  placeControl(IDC_QUIZ_ANSWER, kKeep, kKeep, kKeep, height);
}

void QuizWindow::setDefaultButton(UINT id) { SendMessageA(hwnd, DM_SETDEFID, id, 0); }

void QuizWindow::focusAnswer() { SetFocus(GetDlgItem(hwnd, IDC_QUIZ_ANSWER)); }

bool QuizWindow::refusedDuringTest() {
  if (!settings_.testOpen) return false;
  reportError(QuizString::kRefusedDuringTest);
  return true;
}

void QuizWindow::broadcast(WPARAM wParam, LPARAM lParam) {
  PostMessageA(HWND_BROADCAST, settings_.messageNumber, wParam, lParam);
}
