#include "quiz/TestWindow.h"

#include "framework/win/DisplayScale.h"
#include "framework/win/ThreeDStatic.h"
#include "framework/win/WaitCursor.h"
#include "framework/win/WinControl.h"
#include "quiz/TestWordsDialog.h"
#include "quiz/drill/FontDescription.h"
#include "resources/QuizResourceIds.h"

#include <commctrl.h>
#include <initializer_list>

namespace {

const char kClassName[] = "WDLTEST";
const DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
const int kLeft = 300;
const int kTop = 200;
const int kInitialHeight = 160;
const int kMinimumWidth = 270;
const int kClientHeight = 120;
const int kButtonInset = 94;    // the buttons' distance from the right edge
const int kButtonWidth = 90;
const int kQuestionInset = 110;  // the question lines are the width less this
const int kNumberPartWidth = 50;
const int kKeep = CWinControl::kKeep;
const int kAnswerReadLimit = WordTest::kAnswerLimit + 1;
const int kTallestLine = 34;

const int kSetupControls[] = {IDC_TEST_FIRST_LABEL,  IDC_TEST_FIRST_COUNT,  IDC_TEST_FIRST_SPIN,
                              IDC_TEST_SECOND_LABEL, IDC_TEST_SECOND_COUNT, IDC_TEST_SECOND_SPIN,
                              IDC_TEST_GIVE_NUMBER};
const int kRunningControls[] = {IDC_TEST_QUESTION_LABEL, IDC_TEST_QUESTION_WORD, IDC_TEST_ANSWER,
                                IDC_TEST_CHARACTER};
const int kQuestionLines[] = {IDC_TEST_QUESTION_LABEL, IDC_TEST_QUESTION_WORD, IDC_TEST_ANSWER};

HFONT guiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

}  // namespace

TestWindow::TestWindow(WordList& list, Settings& settings)
    : list_(list), settings_(settings), test_(list, random_) {}

void TestWindow::run(HWND owner) {
  DWORD width = Settings::kDefaultTestWidth;
  settings_.readNumber(Settings::kSettingsKey, Settings::kTestWidth, &width);
  if (width < static_cast<DWORD>(kMinimumWidth)) width = kMinimumWidth;
  const RECT place = CDisplayScale::of(owner)({kLeft, kTop, kLeft + static_cast<LONG>(width), kTop + kInitialHeight});
  if (!loadAccelerators(MAKEINTRESOURCEA(IDR_TEST_ACCELERATORS))) return;
  settings_.testOpen = 1;
  createAndRun(kClassName, CText::loaded(QuizString::kTestTitle).c_str(), kStyle, &place, owner, nullptr, 0);
  settings_.testOpen = 0;
}

void TestWindow::activate() {
  if (!hwnd) return;
  if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
  SetForegroundWindow(hwnd);
  SetActiveWindow(hwnd);
}

void TestWindow::close() {
  if (hwnd) DestroyWindow(hwnd);
}

bool TestWindow::onCreateWindow() {
  const DWORD button = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  makeControl("BUTTON", CText::loaded(QuizString::kTestStart).c_str(), button | BS_DEFPUSHBUTTON, {170, 10, 260, 35},
              IDC_TEST_START, guiFont());
  makeControl("BUTTON", CText::loaded(QuizString::kButtonCancel).c_str(), button | BS_PUSHBUTTON, {170, 40, 260, 65},
              IDC_TEST_CANCEL, guiFont());
  makeControl(STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, {0, 0, 0, 20}, IDC_TEST_STATUS, guiFont());
  buildSetup();
  return true;
}

LRESULT TestWindow::onCommand(UINT id, UINT code, HWND) {
  switch (id) {
    case IDC_TEST_START:
      if (test_.running()) next();
      else start();
      break;
    case IDC_TEST_CANCEL: cancel(); break;
    case IDC_TEST_GIVE_NUMBER: toggleGiveNumber(); break;
    case IDC_TEST_CHARACTER:
      if (test_.running()) openCharacter();
      break;
    case IDC_TEST_FIRST_COUNT:
    case IDC_TEST_SECOND_COUNT:
    case IDC_TEST_ANSWER:
      if (code == EN_SETFOCUS) SendDlgItemMessageA(hwnd, id, EM_SETSEL, 0, -1);
      break;
    case IDM_NEXT_TAB_STOP:
    case IDM_PREVIOUS_TAB_STOP:
      if (!test_.running()) focusNextTabStop(id == IDM_PREVIOUS_TAB_STOP);
      break;
  }
  return 0;
}

LRESULT TestWindow::onClose() {
  DestroyWindow(hwnd);
  return 0;
}

LRESULT TestWindow::onDestroy() {
  RECT outer;
  GetWindowRect(hwnd, &outer);
  const int width = CDisplayScale::of(hwnd).standard(outer.right - outer.left);
  settings_.writeNumber(Settings::kSettingsKey, Settings::kTestWidth, static_cast<DWORD>(width));
  character_.close();
  test_.stop();
  PostQuitMessage(0);
  return 0;
}

LRESULT TestWindow::onSize(UINT type, int, int) {
  if (type != SIZE_MINIMIZED) layout();
  return 0;
}

// The window is no dialog: it keeps the focused control itself while another
// window is active.
LRESULT TestWindow::onActivate(UINT state, BOOL minimized, HWND other) {
  HWND focused = GetFocus();
  if (state == WA_INACTIVE) {
    if (focused && IsChild(hwnd, focused)) lastFocus_ = focused;
    return 0;
  }
  if (!minimized && lastFocus_ && IsChild(hwnd, lastFocus_)) SetFocus(lastFocus_);
  else CWinFrame::onActivate(state, minimized, other);
  return 0;
}

LRESULT TestWindow::defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETMINMAXINFO) {
    keepWindowHeight(hwnd, reinterpret_cast<MINMAXINFO*>(lParam), kMinimumWidth, kClientHeight);
    return 0;
  }
  return CWinFrame::defaultProcedure(message, wParam, lParam);
}

void TestWindow::start() {
  CText first, second;
  getItemText(IDC_TEST_FIRST_COUNT, first);
  getItemText(IDC_TEST_SECOND_COUNT, second);
  graded_ = IsDlgButtonChecked(hwnd, IDC_TEST_GIVE_NUMBER) == BST_CHECKED;
  switch (test_.start(WordTest::parseCount(first.c_str()), WordTest::parseCount(second.c_str()))) {
    case WordTest::kNothingAsked:
      focus(IDC_TEST_FIRST_COUNT);
      return;
    case WordTest::kNotEnoughWords:
      messageBox(QuizString::kNotEnoughWords, QuizString::kErrorCaption, MB_OK);
      focus(IDC_TEST_FIRST_COUNT);
      return;
    case WordTest::kNoMemory:
      messageBox(QuizString::kNoMemory, QuizString::kErrorCaption, MB_OK);
      return;
    case WordTest::kStarted:
      break;
  }
  removeControls(kSetupControls, sizeof kSetupControls / sizeof kSetupControls[0]);
  buildRunning();
  showQuestion();
}

void TestWindow::next() {
  char typed[kAnswerReadLimit] = "";
  GetDlgItemTextA(hwnd, IDC_TEST_ANSWER, typed, sizeof typed);
  if (test_.next(typed)) showQuestion();
  else showResults();
}

void TestWindow::cancel() {
  if (!test_.running()) {
    DestroyWindow(hwnd);
    return;
  }
  test_.stop();
  character_.close();
  removeControls(kRunningControls, sizeof kRunningControls / sizeof kRunningControls[0]);
  buildSetup();
}

void TestWindow::showResults() {
  CText caption = CText::loaded(QuizString::kTestPointsCaption);
  if (MessageBoxA(hwnd, test_.resultText(graded_).c_str(), caption.c_str(), MB_YESNO | MB_ICONINFORMATION) ==
      IDYES) {
    TestWordsDialog grid = madeUnderWaitCursor<TestWordsDialog>(test_);
    grid.runModal(hwnd);
  }
  // The main window's closing sequence may have closed this window meanwhile.
  if (!hwnd) return;
  test_.stop();
  character_.close();
  removeControls(kRunningControls, sizeof kRunningControls / sizeof kRunningControls[0]);
  buildSetup();
}

void TestWindow::toggleGiveNumber() {
  if (!GetDlgItem(hwnd, IDC_TEST_GIVE_NUMBER)) return;
  bool checked = IsDlgButtonChecked(hwnd, IDC_TEST_GIVE_NUMBER) == BST_CHECKED;
  CheckDlgButton(hwnd, IDC_TEST_GIVE_NUMBER, checked ? BST_UNCHECKED : BST_CHECKED);
}

// The dialog runs inside this command; the window stays usable meanwhile.
void TestWindow::openCharacter() {
  character_.open(hwnd, settings_,
                  [this](const std::string& character) { appendCharacter(GetDlgItem(hwnd, IDC_TEST_ANSWER), character); });
}

void TestWindow::focusNextTabStop(bool previous) {
  HWND next = GetNextDlgTabItem(hwnd, GetFocus(), previous);
  if (next) SetFocus(next);
}

// The counts come first in the tab order, then "Give number", Start and
// Cancel.
void TestWindow::buildSetup() {
  CText firstLabel, secondLabel, status;
  firstLabel.formatResource(QuizString::kTestWords, list_.firstLanguage.c_str(), list_.secondLanguage.c_str());
  secondLabel.formatResource(QuizString::kTestWords, list_.secondLanguage.c_str(), list_.firstLanguage.c_str());
  const DWORD label = WS_CHILD | WS_VISIBLE | SS_LEFT;
  makeControl("STATIC", firstLabel.c_str(), label, {6, 9, 130, 24}, IDC_TEST_FIRST_LABEL, guiFont());
  makeCount(IDC_TEST_FIRST_COUNT, IDC_TEST_FIRST_SPIN, {5, 25, 90, 47}, {72, 26, 92, 43});
  makeControl("STATIC", secondLabel.c_str(), label, {6, 54, 130, 69}, IDC_TEST_SECOND_LABEL, guiFont());
  makeCount(IDC_TEST_SECOND_COUNT, IDC_TEST_SECOND_SPIN, {5, 70, 90, 92}, {70, 71, 90, 88});
  makeControl("BUTTON", CText::loaded(QuizString::kTestGiveNumber).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_CHECKBOX,
              {170, 78, 280, 93}, IDC_TEST_GIVE_NUMBER, guiFont());
  CheckDlgButton(hwnd, IDC_TEST_GIVE_NUMBER, BST_CHECKED);
  for (int id : {IDC_TEST_START, IDC_TEST_CANCEL})
    SetWindowPos(GetDlgItem(hwnd, id), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetDlgItemTextA(hwnd, IDC_TEST_START, CText::loaded(QuizString::kTestStart).c_str());
  setStatusParts(1);
  status.formatResource(QuizString::kTestWordsInUse, list_.pairs.count());
  setStatusText(0, status.c_str());
  layout();
  focus(IDC_TEST_FIRST_COUNT);
}

void TestWindow::buildRunning() {
  const int h = lineHeight();
  const DWORD line = WS_CHILD | WS_VISIBLE | CThreeDStatic::kSunken;
  HFONT userFont = settings_.fontHandle ? settings_.fontHandle : guiFont();
  makeControl(CThreeDStatic::kClassName, CText::loaded(QuizString::kWhatIs).c_str(), line, {5, 10, 155, h + 10},
              IDC_TEST_QUESTION_LABEL, guiFont());
  makeControl(CThreeDStatic::kClassName, "", line, {5, h + 12, 155, 2 * h + 12}, IDC_TEST_QUESTION_WORD, userFont);
  makeControl("EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, {5, 2 * h + 15, 155, 3 * h + 15},
              IDC_TEST_ANSWER, userFont, WS_EX_CLIENTEDGE);
  makeControl("BUTTON", CText::loaded(QuizString::kTestCharacter).c_str(),
              WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, {170, 70, 260, 95},
              IDC_TEST_CHARACTER, guiFont());
  for (int id : {IDC_TEST_START, IDC_TEST_CANCEL})
    SetWindowPos(GetDlgItem(hwnd, id), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetDlgItemTextA(hwnd, IDC_TEST_START, CText::loaded(QuizString::kTestNext).c_str());
  setStatusParts(2);
  layout();
}

void TestWindow::removeControls(const int* ids, int count) {
  for (int i = 0; i < count; ++i) DestroyWindow(GetDlgItem(hwnd, ids[i]));
}

void TestWindow::showQuestion() {
  SetDlgItemTextA(hwnd, IDC_TEST_QUESTION_WORD, test_.questionWord().c_str());
  SetDlgItemTextA(hwnd, IDC_TEST_ANSWER, "");
  CText number, languages(test_.questionLanguage());
  number.format("%d / %d", test_.questionNumber(), test_.directionCount());
  languages.append(" - ");
  languages.append(test_.answerLanguage());
  setStatusText(0, number.c_str());
  setStatusText(1, languages.c_str());
  focus(IDC_TEST_ANSWER);
}

void TestWindow::layout() {
  RECT client;
  GetClientRect(hwnd, &client);
  const CDisplayScale scale = CDisplayScale::of(hwnd);
  const int x = client.right - scale(kButtonInset);
  placeControl(IDC_TEST_START, x, scale(10), kKeep, kKeep);
  placeControl(IDC_TEST_CANCEL, x, scale(40), kKeep, kKeep);
  // As wide as the buttons: its first 110 pixels would pass the right
  // edge of a window of the least width.
  placeControl(IDC_TEST_GIVE_NUMBER, x, scale(78), scale(kButtonWidth), kKeep);
  placeControl(IDC_TEST_CHARACTER, x, scale(70), kKeep, kKeep);
  for (int id : kQuestionLines) placeControl(id, kKeep, kKeep, client.right - scale(kQuestionInset), kKeep);
  // The number part is as wide as the scale, which may have changed.
  setStatusParts(static_cast<int>(SendDlgItemMessageA(hwnd, IDC_TEST_STATUS, SB_GETPARTS, 0, 0)));
  SendDlgItemMessageA(hwnd, IDC_TEST_STATUS, WM_SIZE, 0, 0);
}

HWND TestWindow::makeControl(const char* className, const char* text, DWORD style, const RECT& place, int id,
                             HFONT font, DWORD extendedStyle) {
  CWinControl control;
  if (!control.createControl(className, text, style, extendedStyle, hwnd, CDisplayScale::of(hwnd)(place), id))
    return nullptr;
  SendMessageA(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(scaledFont(font)), FALSE);
  return control.hwnd;
}

// An edit for a count and its up-down arrows, which stand over the edit's
// right end and run from 0 to the pair count.
void TestWindow::makeCount(int editId, int spinId, const RECT& edit, const RECT& spin) {
  HWND box = makeControl("EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | ES_NUMBER | ES_AUTOHSCROLL,
                         edit, editId, guiFont(), WS_EX_CLIENTEDGE);
  HWND arrows = makeControl(UPDOWN_CLASSA, nullptr,
                            WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, spin, spinId,
                            guiFont());
  SendMessageA(arrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(box), 0);
  SendMessageA(arrows, UDM_SETRANGE32, 0, list_.pairs.count());
  SendMessageA(arrows, UDM_SETPOS32, 0, 0);
  SetWindowPos(arrows, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TestWindow::setStatusParts(int count) {
  int rightEdges[2] = {count == 1 ? -1 : CDisplayScale::of(hwnd)(kNumberPartWidth), -1};
  SendDlgItemMessageA(hwnd, IDC_TEST_STATUS, SB_SETPARTS, count, reinterpret_cast<LPARAM>(rightEdges));
}

void TestWindow::setStatusText(int part, const char* text) {
  SendDlgItemMessageA(hwnd, IDC_TEST_STATUS, SB_SETTEXTA, part, reinterpret_cast<LPARAM>(text));
}

// Remembers the control for the window's next activation; focuses it now
// when the window is on the screen.
void TestWindow::focus(int id) {
  lastFocus_ = GetDlgItem(hwnd, id);
  if (IsWindowVisible(hwnd)) SetFocus(lastFocus_);
}


// The height of the question lines and the answer box from the user's font:
// its absolute height + 12, from 23 to 34 pixels.
int TestWindow::lineHeight() const { return lineHeightFor(settings_.Font, kTallestLine); }
