// The window framework in real windows: application entry, the shared window
// procedure, both message loops, common dialogs, the wizard, the worker
// thread, drawing wrappers, centring and the file finder.
#include "framework/win/DisplayScale.h"
#include "framework/win/ScaledFonts.h"
#include "framework/win/WinApp.h"
#include "framework/win/WinColorDialog.h"
#include "framework/win/WinComboBox.h"
#include "framework/win/WinDC.h"
#include "framework/win/WinDialog.h"
#include "framework/win/WinEdit.h"
#include "framework/win/WinFileDialog.h"
#include "framework/win/WinFileFinder.h"
#include "framework/win/WinFolderDialog.h"
#include "framework/win/WinFontDialog.h"
#include "framework/win/WinFrame.h"
#include "framework/win/WinGdiObject.h"
#include "framework/win/WinListView.h"
#include "framework/win/WinPropertySheet.h"
#include "tests/wine/FrameworkTestIds.h"
#include "tests/wine/MessageRecorder.h"
#include "tests/wine/WineTest.h"

#include <commctrl.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

const char kTestClass[] = "FrameworkTestWindow";
const DWORD kDialogTimeout = 15000;

void registerTestClass() {
  static bool registered = false;
  if (!registered)
    registered = CWinBase::registerClass(kTestClass, 0, LoadCursor(nullptr, IDC_ARROW),
                                         reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr);
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string windowText(HWND window) {
  char text[512] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

BOOL CALLBACK collectDialog(HWND window, LPARAM list) {
  char name[32] = "";
  GetClassNameA(window, name, sizeof name);
  if (std::strcmp(name, "#32770") == 0 && IsWindowVisible(window))
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// The visible top-level dialogs of this thread (message boxes, common dialogs).
std::vector<HWND> threadDialogs() {
  std::vector<HWND> dialogs;
  EnumThreadWindows(GetCurrentThreadId(), collectDialog, reinterpret_cast<LPARAM>(&dialogs));
  return dialogs;
}

BOOL CALLBACK appendStaticText(HWND child, LPARAM text) {
  char name[32] = "";
  GetClassNameA(child, name, sizeof name);
  std::string line = windowText(child);
  if (lstrcmpiA(name, "Static") == 0 && !line.empty()) *reinterpret_cast<std::string*>(text) += line;
  return TRUE;
}

// Calls tick every interval ms from this thread's message loop, whichever
// loop runs (a modal dialog's, a message box's). After timeoutMs it cancels
// every dialog of the thread and sets timedOut, so a test fails instead of
// hanging. One at a time.
class ThreadTimer {
 public:
  ThreadTimer(UINT interval, std::function<void()> tick, DWORD timeoutMs = kDialogTimeout)
      : tick_(std::move(tick)), deadline_(GetTickCount() + timeoutMs) {
    current_ = this;
    id_ = SetTimer(nullptr, 0, interval, onTimer);
  }
  ~ThreadTimer() {
    KillTimer(nullptr, id_);
    current_ = nullptr;
  }
  bool timedOut = false;

 private:
  static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD) {
    ThreadTimer* timer = current_;
    if (!timer) return;
    if (static_cast<LONG>(GetTickCount() - timer->deadline_) > 0) {
      timer->timedOut = true;
      for (HWND dialog : threadDialogs()) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      return;
    }
    if (timer->tick_) timer->tick_();
  }
  static ThreadTimer* current_;
  std::function<void()> tick_;
  DWORD deadline_;
  UINT_PTR id_;
};
ThreadTimer* ThreadTimer::current_ = nullptr;

// Answers every message box of the thread with OK and keeps "caption|text".
class MessageBoxAnswerer {
 public:
  MessageBoxAnswerer() : timer_(20, [this] { answer(); }) {}
  std::vector<std::string> boxes;

 private:
  void answer() {
    for (HWND box : threadDialogs()) {
      if (!answered_.insert(box).second) continue;
      std::string text;
      EnumChildWindows(box, appendStaticText, reinterpret_cast<LPARAM>(&text));
      boxes.push_back(windowText(box) + "|" + text);
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
  }
  std::set<HWND> answered_;
  ThreadTimer timer_;
};

}  // namespace


namespace {

class EntryApp : public CWinApp {
 public:
  EntryApp(int initResult, int exitResult) : CWinApp("Test"), initResult_(initResult), exitResult_(exitResult) {}
  int appInit() override { calls.push_back(6); return 0; }
  int instanceInit() override { calls.push_back(1); return initResult_; }
  int instanceExit() override { calls.push_back(3); return exitResult_; }
  std::vector<int> calls;

 private:
  int initResult_;
  int exitResult_;
};

}  // namespace

// Sizes at 96 dots per inch go to a scale and come back as they were; the
// pictures for 150% serve 120 dots per inch (a tie takes the larger), 144 and
// 160, those for 200% serve 192; a window's scale is the screen's where the
// system has no other.
WINE_TEST(displayScaleTurnsStandardSizesToTheWindowsScaleAndBack) {
  struct Case {
    int dpi, size, scaled, imageStep, imageSize;
  } cases[] = {{96, 440, 440, 0, 16}, {120, 440, 550, 1, 24}, {144, 441, 662, 1, 24}, {160, 3, 5, 1, 24},
               {192, 270, 540, 2, 32}};
  for (const Case& c : cases) {
    winetest::setContext(std::to_string(c.dpi));
    const CDisplayScale scale(c.dpi);
    CHECK_EQ(scale(c.size), c.scaled);
    CHECK_EQ(scale.standard(scale(c.size)), c.size);
    CHECK_EQ(scale.imageStep(), c.imageStep);
    CHECK_EQ(scale.imageSize(16), c.imageSize);
    CHECK_EQ(scale.imageId(13004), 13004 + 100 * c.imageStep);
    LOGFONTA font = {};
    font.lfHeight = -11;
    CHECK_EQ(scale.standardFont(scale.font(font)).lfHeight, -11);
    const RECT place = scale({50, 50, 550, 380});
    CHECK(place.left == scale(50) && place.bottom == scale(380));
  }
  winetest::setContext("");
  HDC screen = GetDC(nullptr);
  CHECK_EQ(CDisplayScale::of(nullptr).dpi, GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
}

// A control's font follows its window to another scale and back: copies are
// made from the original, so that the way back gives the original itself
// (no rounding adds up), and a copy no control shows any more is deleted.
WINE_TEST(scaledFontsFollowTheWindowToAnotherScaleAndBack) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, window, nullptr, nullptr, nullptr);
  HFONT original = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(original), FALSE);
  CScaledFonts fonts;
  fonts.rescale(window, 96, 192);
  HFONT big = reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0));
  LOGFONTA before = {}, after = {};
  GetObjectA(original, sizeof before, &before);
  GetObjectA(big, sizeof after, &after);
  CHECK_EQ(after.lfHeight, 2 * before.lfHeight);
  CHECK(fonts.at(original, 96, 192) == big);
  fonts.rescale(window, 192, 96);
  CHECK(reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)) == original);
  CHECK_EQ(GetObjectType(big), 0u);
  DestroyWindow(window);
}

WINE_TEST(entryRunsAppInitInstanceInitAndAnswersInstanceExit) {
  struct Case { int init; int exit; } cases[] = {{1, 0}, {0, 7}, {-5, 3}};
  for (const Case& c : cases) {
    winetest::setContext("exit " + std::to_string(c.exit));
    EntryApp app(c.init, c.exit);
    CHECK(getApp() == &app);
    CHECK_EQ(app.threadId, GetCurrentThreadId());
    char commandLine[] = "list.wdl";
    HINSTANCE instance = GetModuleHandleA(nullptr);
    CHECK_EQ(CWinApp::entry(instance, nullptr, commandLine, SW_SHOWNORMAL), c.exit);
    CHECK((app.calls == std::vector<int>{6, 1, 3}));
    CHECK(app.commandLine == commandLine);
    CHECK_EQ(app.showCommand, SW_SHOWNORMAL);
    CHECK(app.getInstance() == instance);
    CHECK(getInstanceHandle() == instance);
    CHECK(app.modulePath && endsWith(app.modulePath, ".exe"));
  }
  CHECK(getApp() == nullptr);
}

WINE_TEST(secondAppObjectAndMissingAppObjectAreReportedAndExitWith1) {
  MessageBoxAnswerer answerer;
  {
    EntryApp first(0, 0);
    EntryApp second(0, 0);
    CHECK(getApp() == nullptr);
    char commandLine[] = "";
    CHECK_EQ(CWinApp::entry(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOW), 1);
    CHECK(first.calls.empty());
    CHECK(second.calls.empty());
  }
  CHECK_EQ(answerer.boxes.size(), 2u);
  if (answerer.boxes.size() == 2) {
    CHECK_EQ(answerer.boxes[0], std::string("Program Error|You can only create one CWinApp paced class."));
    CHECK_EQ(answerer.boxes[1], std::string("Program Error|You have to create CWinApp baced class."));
  }
}


namespace {

class RecordingFrame : public CWinFrame {
 public:
  RecordingFrame(MessageRecorder& recorder, bool allowCreation) : recorder_(recorder), allow_(allowCreation) {}
  LRESULT onNcCreate(CREATESTRUCTA* create) override {
    boundAtNcCreate = hwnd != nullptr && fromHandle(hwnd) == this;
    recorder_.add(hwnd, WM_NCCREATE, 0, 0);
    return CWinFrame::onNcCreate(create);
  }
  bool onCreateWindow() override {
    recorder_.add(hwnd, WM_CREATE, 0, 0);
    if (allow_) PostMessageA(hwnd, WM_CLOSE, 0, 0);
    return allow_;
  }
  LRESULT onClose() override {
    recorder_.add(hwnd, WM_CLOSE, 0, 0);
    return CWinFrame::onClose();
  }
  LRESULT onDestroy() override {
    recorder_.add(hwnd, WM_DESTROY, 0, 0);
    if (allow_) PostQuitMessage(5);
    return 0;
  }
  LRESULT onNcDestroy() override {
    recorder_.add(hwnd, WM_NCDESTROY, 0, 0);
    return CWinFrame::onNcDestroy();
  }
  bool boundAtNcCreate = false;

 private:
  MessageRecorder& recorder_;
  bool allow_;
};

class ThrowingWindow : public CWinBase {
 public:
  LRESULT onCommand(UINT id, UINT code, HWND control) override { throw id; }
};

}  // namespace

WINE_TEST(frameIsBoundAtNcCreateAndRunsUntilQuit) {
  registerTestClass();
  MessageRecorder recorder;
  RecordingFrame frame(recorder, true);
  RECT rect = {10, 10, 210, 110};
  CHECK_EQ(frame.createAndRun(kTestClass, "Frame", WS_OVERLAPPEDWINDOW, &rect, nullptr, nullptr, 0), 1);
  CHECK(frame.boundAtNcCreate);
  recorder.check({{WM_NCCREATE, 0, 0, 0}, {WM_CREATE, 0, 0, 0}, {WM_CLOSE, 0, 0, 0}, {WM_DESTROY, 0, 0, 0},
                  {WM_NCDESTROY, 0, 0, 0}},
                 "frame");
  CHECK(frame.hwnd == nullptr);
}

WINE_TEST(frameCreationHookAnsweringFalseAbortsCreation) {
  registerTestClass();
  MessageRecorder recorder;
  RecordingFrame frame(recorder, false);
  CHECK_EQ(frame.createAndRun(kTestClass, "Frame", WS_OVERLAPPEDWINDOW, nullptr, nullptr, nullptr, 0), 0);
  CHECK_EQ(recorder.count(WM_CLOSE), 0);
  CHECK_EQ(recorder.count(WM_CREATE), 1);
}

WINE_TEST(windowWithoutObjectStaysUnboundAndAnswersZero) {
  registerTestClass();
  CWinBase window;
  CHECK(window.create(kTestClass, "Unbound", WS_POPUP, RECT{0, 0, 50, 50}, nullptr, nullptr));
  CHECK(CWinBase::fromHandle(window.hwnd) == nullptr);
  CHECK_EQ(SendMessageA(window.hwnd, WM_COMMAND, ID_TEST_COMMAND, 0), 0);
  CHECK(window.destroy());
}

WINE_TEST(exceptionInHandlerStopsAtTheWindowProcedure) {
  registerTestClass();
  ThrowingWindow object;
  HWND window = CreateWindowExA(0, kTestClass, "Throwing", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                getInstanceHandle(), static_cast<CWinBase*>(&object));
  CHECK(window != nullptr);
  CHECK(object.hwnd == window);
  CHECK_EQ(SendMessageA(window, WM_COMMAND, ID_TEST_COMMAND, 0), 0);
  DestroyWindow(window);
  CHECK(object.hwnd == nullptr);
}

WINE_TEST(textGettersReadTheWindowText) {
  CWinBase edit;
  CHECK(edit.create("EDIT", "Hello", WS_POPUP, RECT{0, 0, 100, 20}, nullptr, nullptr));
  CText text;
  CHECK_EQ(edit.getText(text), 5);
  CHECK_EQ(text.c_str(), "Hello");
  CWideText wide;
  CHECK_EQ(edit.getText(wide), 5);
  CHECK(lstrcmpW(wide.c_str(), L"Hello") == 0);
  char buffer[3];
  CHECK_EQ(edit.getText(buffer, sizeof buffer), 2);
  CHECK_EQ(static_cast<const char*>(buffer), "He");
  edit.setText("Changed");
  CHECK_EQ(windowText(edit.hwnd), std::string("Changed"));
  CWinBase child;
  CHECK(child.create("EDIT", "Child", WS_CHILD, RECT{0, 0, 50, 20}, edit.hwnd, reinterpret_cast<HMENU>(7)));
  edit.getItemText(7, text);
  CHECK_EQ(text.c_str(), "Child");
  edit.destroy();
}

WINE_TEST(messageBoxTakesTextAndCaptionFromTheStringTable) {
  struct Case { UINT caption; const char* expected; } cases[] = {
      {0, "Error|Test message"}, {IDS_TEST_CAPTION, "Test caption|Test message"}};
  for (const Case& c : cases) {
    winetest::setContext(c.expected);
    MessageBoxAnswerer answerer;
    CWinBase owner;
    CHECK_EQ(owner.messageBox(IDS_TEST_MESSAGE, c.caption, MB_OK), IDOK);
    CHECK((answerer.boxes == std::vector<std::string>{c.expected}));
  }
}

WINE_TEST(centreOnScreenKeepsTheSize) {
  registerTestClass();
  CWinBase window;
  CHECK(window.create(kTestClass, "Centred", WS_POPUP, RECT{3, 4, 203, 104}, nullptr, nullptr));
  window.centreOnScreen();
  RECT rect;
  GetWindowRect(window.hwnd, &rect);
  CHECK_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 200) / 2);
  CHECK_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 100) / 2);
  CHECK_EQ(rect.right - rect.left, 200);
  CHECK_EQ(rect.bottom - rect.top, 100);
  window.destroy();
}

namespace {

void postKey(HWND window, WPARAM key) { PostMessageA(window, WM_KEYDOWN, key, 1); }

void setShift(bool down) {
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_SHIFT] = down ? 0x80 : 0;
  SetKeyboardState(state);
}

// Posts one message to itself at initialisation, after a command of its own.
class ModalDialog : public CWinDialog {
 public:
  ModalDialog(UINT message, WPARAM wParam) : CWinDialog(IDD_TEST_MODAL), message_(message), wParam_(wParam) {}
  LRESULT onInitDialog(HWND focus) override {
    boundInInit = fromHandle(hwnd) == this;
    PostMessageA(hwnd, WM_COMMAND, ID_TEST_COMMAND, 0);
    HWND target = message_ == WM_KEYDOWN ? GetDlgItem(hwnd, IDC_TEST_FIRST) : hwnd;
    PostMessageA(target, message_, wParam_, message_ == WM_KEYDOWN ? 1 : 0);
    return TRUE;
  }
  LRESULT onCommand(UINT id, UINT code, HWND control) override {
    if (id != IDC_TEST_FIRST) commands.push_back(id);  // not the edit control's notifications
    return 0;
  }
  bool boundInInit = false;
  std::vector<UINT> commands;

 private:
  UINT message_;
  WPARAM wParam_;
};

// Plays a keyboard script through its own message loop, moves the focus for
// commands 230 and 231 as a main window does, and quits with 77.
class ModelessDialog : public CWinDialog {
 public:
  explicit ModelessDialog(MessageRecorder& keys) : CWinDialog(IDD_TEST_MODELESS), keys_(keys) {}
  LRESULT onInitDialog(HWND focus) override {
    first_ = GetDlgItem(hwnd, IDC_TEST_FIRST);
    keys_.watch(first_);
    keys_.watch(GetDlgItem(hwnd, IDC_TEST_SECOND));
    SetForegroundWindow(hwnd);
    SetActiveWindow(hwnd);
    SetFocus(first_);
    postKey(first_, VK_TAB);
    PostMessageA(hwnd, WM_APP + 1, 0, 0);
    return FALSE;
  }
  LRESULT defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_APP + 1) {
      setShift(true);
      postKey(first_, VK_TAB);
      PostMessageA(hwnd, WM_APP + 2, 0, 0);
    } else if (message == WM_APP + 2) {
      setShift(false);
      postKey(first_, 'A');
      postKey(first_, VK_F5);
      PostMessageA(hwnd, WM_APP + 3, 0, 0);
    } else if (message == WM_APP + 3) {
      PostQuitMessage(77);
    }
    return CWinDialog::defaultProcedure(message, wParam, lParam);
  }
  LRESULT onCommand(UINT id, UINT code, HWND control) override {
    if (id == IDC_TEST_FIRST || id == IDC_TEST_SECOND) return 0;  // the edit controls' notifications
    commands.push_back(id);
    if (id == ID_NEXT_TAB_STOP || id == ID_PREVIOUS_TAB_STOP)
      SetFocus(GetNextDlgTabItem(hwnd, GetFocus(), id == ID_PREVIOUS_TAB_STOP));
    focusAfter.push_back(GetDlgCtrlID(GetFocus()));
    return 0;
  }
  std::vector<UINT> commands;
  std::vector<int> focusAfter;

 private:
  MessageRecorder& keys_;
  HWND first_ = nullptr;
};

}  // namespace

WINE_TEST(enterAndEscEndModalDialogWithoutReachingTheCommandHandler) {
  struct Case { const char* name; UINT message; WPARAM wParam; INT_PTR result; } cases[] = {
      {"Enter", WM_KEYDOWN, VK_RETURN, IDOK},
      {"Esc", WM_KEYDOWN, VK_ESCAPE, IDCANCEL},
      {"IDOK", WM_COMMAND, IDOK, 1},
      {"IDCANCEL", WM_COMMAND, IDCANCEL, 2},
  };
  for (const Case& c : cases) {
    winetest::setContext(c.name);
    ThreadTimer watchdog(100, nullptr);
    ModalDialog dialog(c.message, c.wParam);
    CHECK_EQ(dialog.runModal(nullptr), c.result);
    CHECK(!watchdog.timedOut);
    CHECK(dialog.boundInInit);
    CHECK((dialog.commands == std::vector<UINT>{ID_TEST_COMMAND}));
  }
}

// A dialog that decides itself how Enter and Esc end it: Enter does
// nothing, Esc ends it with 42.
class OwnEndDialog : public ModalDialog {
 public:
  OwnEndDialog() : ModalDialog(WM_KEYDOWN, VK_RETURN) {}
  LRESULT onInitDialog(HWND focus) override {
    LRESULT result = ModalDialog::onInitDialog(focus);
    PostMessageA(GetDlgItem(hwnd, IDC_TEST_FIRST), WM_KEYDOWN, VK_ESCAPE, 1);
    return result;
  }
  void onEndCommand(UINT id) override {
    ended.push_back(id);
    if (id == IDCANCEL) EndDialog(hwnd, 42);
  }
  std::vector<UINT> ended;
};

WINE_TEST(enterAndEscReachTheEndCommandHook) {
  ThreadTimer watchdog(100, nullptr);
  OwnEndDialog dialog;
  CHECK_EQ(dialog.runModal(nullptr), 42);
  CHECK((dialog.ended == std::vector<UINT>{IDOK, IDCANCEL}));
  CHECK((dialog.commands == std::vector<UINT>{ID_TEST_COMMAND}));
}

WINE_TEST(modelessLoopTurnsTabAndShiftTabIntoCommands) {
  MessageRecorder keys;
  keys.setFilter({WM_KEYDOWN});
  ModelessDialog dialog(keys);
  CHECK_EQ(dialog.runModeless(nullptr, IDA_TEST_NAVIGATION), 77u);
  CHECK((dialog.commands == std::vector<UINT>{ID_NEXT_TAB_STOP, ID_PREVIOUS_TAB_STOP, ID_TEST_F5}));
  CHECK((dialog.focusAfter == std::vector<int>{IDC_TEST_SECOND, IDC_TEST_FIRST, IDC_TEST_FIRST}));
  keys.check({{WM_KEYDOWN, ExpectedMessage::kWParam, 'A', 0}}, "keys reaching the edit controls");
  CHECK(dialog.hwnd != nullptr);
  DestroyWindow(dialog.hwnd);
}

WINE_TEST(modelessLoopWithoutTableDispatchesEveryKey) {
  MessageRecorder keys;
  keys.setFilter({WM_KEYDOWN});
  ModelessDialog dialog(keys);
  CHECK_EQ(dialog.runModeless(nullptr, -1), 77u);
  CHECK(dialog.commands.empty());
  const unsigned w = ExpectedMessage::kWParam;
  keys.check({{WM_KEYDOWN, w, VK_TAB, 0}, {WM_KEYDOWN, w, VK_TAB, 0}, {WM_KEYDOWN, w, 'A', 0},
              {WM_KEYDOWN, w, VK_F5, 0}},
             "keys reaching the edit controls");
  DestroyWindow(dialog.hwnd);
}

WINE_TEST(modelessLoopWithMissingTableCreatesNothing) {
  MessageRecorder keys;
  ModelessDialog dialog(keys);
  CHECK_EQ(dialog.runModeless(nullptr, 999), 0u);
  CHECK(dialog.hwnd == nullptr);
}

namespace {

// Reads what it can while open, then cancels.
class CancellingFileDialog : public CWinFileDialog {
 public:
  CancellingFileDialog(const char* filter, HWND owner)
      : CWinFileDialog(true, "wav", "start.wav", OFN_HIDEREADONLY, filter), owner_(owner) {}
  void onInitDone() override {
    initDone = true;
    pathWhileOpen = getPath().c_str();
    ownerEnabledWhileOpen = IsWindowEnabled(owner_) != FALSE;
    filterCount = static_cast<int>(SendDlgItemMessageA(GetParent(hwnd), cmb1, CB_GETCOUNT, 0, 0));
    PostMessageA(GetParent(hwnd), WM_COMMAND, IDCANCEL, 0);
  }
  bool initDone = false;
  bool ownerEnabledWhileOpen = true;
  std::string pathWhileOpen;
  int filterCount = 0;

 private:
  HWND owner_;
};

class CancellingColorDialog : public CWinColorDialog {
 public:
  explicit CancellingColorDialog(COLORREF initial) : CWinColorDialog(initial, 0) {}
  LRESULT onInitDialog(HWND focus) override {
    PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
  }
  void onCancel() override { cancelled = true; }
  bool cancelled = false;
};

class CancellingFontDialog : public CWinFontDialog {
 public:
  explicit CancellingFontDialog(const LOGFONTA* initial) : CWinFontDialog(initial, CF_SCREENFONTS, nullptr) {}
  LRESULT onInitDialog(HWND focus) override {
    PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
  }
  void onCancel() override { cancelled = true; }
  bool cancelled = false;
};

// A structure size in the 32-bit programs we ship, or in the 64-bit build of
// the same sources, where pointers and handles are wider.
DWORD shippedOr64(DWORD shipped, DWORD wide) { return sizeof(void*) == 4 ? shipped : wide; }

}  // namespace

WINE_TEST(fileDialogFilterBecomesNulSeparatedList) {
  char filter[] = "Wave Files (.wav)|*.wav|All Files (*.*)|*.*||";
  CWinFileDialog::convertFilter(filter);
  const char expected[] = "Wave Files (.wav)\0*.wav\0All Files (*.*)\0*.*\0\0";
  CHECK_EQ(sizeof filter, sizeof expected);
  CHECK(std::memcmp(filter, expected, sizeof expected) == 0);
}

WINE_TEST(fileDialogOpensWithFilterAndPathAndCancels) {
  registerTestClass();
  CWinBase owner;
  CHECK(owner.create(kTestClass, "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 300, 200}, nullptr, nullptr));
  ThreadTimer watchdog(100, nullptr);
  CancellingFileDialog dialog("Wave Files (.wav)|*.wav|All Files (*.*)|*.*||", owner.hwnd);
  CHECK_EQ(dialog.ofn.lStructSize, shippedOr64(76, 136));
  CHECK_EQ(dialog.ofn.Flags & (OFN_EXPLORER | OFN_ENABLEHOOK), static_cast<DWORD>(OFN_EXPLORER | OFN_ENABLEHOOK));
  CHECK_EQ(dialog.run(owner.hwnd), 0);
  CHECK(!watchdog.timedOut);
  CHECK(dialog.initDone);
  CHECK_EQ(dialog.filterCount, 2);
  CHECK(endsWith(dialog.pathWhileOpen, "\\start.wav"));
  CHECK(!dialog.ownerEnabledWhileOpen);
  CHECK(IsWindowEnabled(owner.hwnd));
  CHECK(dialog.hwnd == nullptr);
  owner.destroy();
}

WINE_TEST(colorDialogStartsWithWhiteCustomColoursAndCancels) {
  struct Case { COLORREF initial; bool preselected; } cases[] = {{0, false}, {RGB(1, 2, 3), true}};
  for (const Case& c : cases) {
    winetest::setContext("initial " + std::to_string(c.initial));
    ThreadTimer watchdog(100, nullptr);
    CancellingColorDialog dialog(c.initial);
    CHECK_EQ((dialog.chooseColor.Flags & CC_RGBINIT) != 0, c.preselected);
    CHECK_EQ(dialog.chooseColor.lStructSize, shippedOr64(36, 72));
    for (int i = 0; i < 16; ++i) CHECK_EQ(dialog.customColors[i], 0xFFFFFFFFu);
    CHECK_EQ(dialog.run(nullptr), 0);
    CHECK(dialog.cancelled);
    CHECK(!watchdog.timedOut);
  }
}

WINE_TEST(fontDialogIsBoundThroughItsHookAndCancels) {
  LOGFONTA initial = {};
  initial.lfHeight = -12;
  lstrcpyA(initial.lfFaceName, "Tahoma");
  ThreadTimer watchdog(100, nullptr);
  CancellingFontDialog dialog(&initial);
  CHECK_EQ(dialog.chooseFont.lStructSize, shippedOr64(60, 104));
  CHECK(dialog.chooseFont.Flags & CF_INITTOLOGFONTSTRUCT);
  CHECK_EQ(static_cast<const char*>(dialog.logFont.lfFaceName), "Tahoma");
  CHECK_EQ(dialog.run(nullptr), 0);
  CHECK(dialog.cancelled);
  CHECK(!watchdog.timedOut);
}

namespace {

// Records its notifications; its answers come from the test.
class WizardPage : public CWinPropertyPage {
 public:
  WizardPage(char name, std::string& log) : CWinPropertyPage(IDD_TEST_PAGE, 0), name_(name), log_(log) {}
  bool onSetActive() override {
    CWinPropertyPage::onSetActive();
    log_ += std::string("active ") + name_ + ";";
    PropSheet_SetWizButtons(GetParent(hwnd), PSWIZB_BACK | PSWIZB_NEXT);
    return acceptActive;
  }
  bool onWizNext() override {
    log_ += std::string("next ") + name_ + ";";
    return acceptNext;
  }
  bool onQueryCancel() override {
    log_ += std::string("cancel ") + name_ + ";";
    return true;
  }
  bool acceptActive = true;
  bool acceptNext = true;

 private:
  char name_;
  std::string& log_;
};

HWND currentPage(HWND sheet) { return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

}  // namespace

WINE_TEST(wizardSkipsRefusedPageAndStaysWhereNextIsRefused) {
  InitCommonControls();
  std::string log;
  WizardPage a('A', log), b('B', log), c('C', log), d('D', log);
  b.acceptActive = false;
  c.acceptNext = false;
  CWinPropertySheet sheet("Wizard", nullptr, 0);
  sheet.header.dwFlags |= PSH_WIZARD;
  for (WizardPage* page : {&a, &b, &c, &d}) sheet.addPage(page);
  int step = 0;
  bool stayedOnC = false;
  ThreadTimer driver(20, [&] {
    HWND window = a.hwnd ? GetParent(a.hwnd) : nullptr;
    if (!window) return;
    HWND current = currentPage(window);
    if (step == 0 && current == a.hwnd) {
      ++step;
      PostMessageA(window, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    } else if (step == 1 && c.hwnd && current == c.hwnd) {
      ++step;
      PostMessageA(window, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    } else if (step == 2 && log.find("next C;") != std::string::npos) {
      ++step;
      stayedOnC = current == c.hwnd;
      PostMessageA(window, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    }
  });
  sheet.run();
  CHECK(!driver.timedOut);
  CHECK(stayedOnC);
  CHECK_EQ(log, std::string("active A;next A;active B;active C;next C;cancel C;"));
  CHECK(!a.firstActivation);
  CHECK(d.firstActivation);
}

namespace {

class WaitingWorker : public CAppThread {
 public:
  WaitingWorker(HANDLE release, bool* destroyed, HANDLE started = nullptr)
      : release_(release), destroyed_(destroyed), started_(started) {}
  ~WaitingWorker() override {
    if (destroyed_) *destroyed_ = true;
  }
  int instanceInit() override {
    if (started_) SetEvent(started_);
    WaitForSingleObject(release_, INFINITE);
    return 0;
  }
  int instanceExit() override { return 42; }

 private:
  HANDLE release_;
  bool* destroyed_;
  HANDLE started_;
};

}  // namespace

WINE_TEST(workerIsRunningOnlyWhileItsWorkRuns) {
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  WaitingWorker worker(release, nullptr);
  CHECK(!worker.isRunning());
  CHECK(worker.start());
  CHECK(worker.threadHandle != nullptr);
  CHECK(worker.threadId != 0);
  CHECK(worker.isRunning());
  SetEvent(release);
  CHECK_EQ(WaitForSingleObject(worker.threadHandle, 5000), WAIT_OBJECT_0);
  CHECK(!worker.isRunning());
  DWORD code = 0;
  GetExitCodeThread(worker.threadHandle, &code);
  CHECK_EQ(code, 42u);
  CloseHandle(release);
}

WINE_TEST(terminatedAutoDeleteWorkerIsDestroyed) {
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE started = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  bool destroyed = false;
  WaitingWorker* worker = new WaitingWorker(release, &destroyed, started);
  worker->autoDelete = TRUE;
  CHECK(worker->start());
  // A thread ended while the system still starts it may leave the process's
  // locks taken; end it only once it is inside its work.
  CHECK_EQ(WaitForSingleObject(started, 5000), WAIT_OBJECT_0);
  HANDLE thread = nullptr;
  DuplicateHandle(GetCurrentProcess(), worker->threadHandle, GetCurrentProcess(), &thread, 0, FALSE,
                  DUPLICATE_SAME_ACCESS);
  CHECK(worker->terminate(9));
  CHECK(destroyed);
  CHECK_EQ(WaitForSingleObject(thread, 5000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeThread(thread, &code);
  CHECK_EQ(code, 9u);
  CloseHandle(thread);
  CloseHandle(started);
  CloseHandle(release);
}

WINE_TEST(gdiWrappersDeleteTheirHandles) {
  HGDIOBJ brush;
  HGDIOBJ pen;
  HGDIOBJ font;
  {
    CWinBrush red(RGB(255, 0, 0));
    CWinPen line(PS_SOLID, 1, RGB(0, 0, 0));
    CWinFont face;
    face.create(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Tahoma");
    brush = red.handle;
    pen = line.handle;
    font = face.handle;
    CHECK_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    CHECK_EQ(GetObjectType(pen), static_cast<DWORD>(OBJ_PEN));
    CHECK_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
  }
  CHECK_EQ(GetObjectType(brush), 0u);
  CHECK_EQ(GetObjectType(pen), 0u);
  CHECK_EQ(GetObjectType(font), 0u);
  CWinGdiObject empty;
  CHECK(!empty.deleteObject());
  {
    CWinGdiObject stock;
    stock.stockObject(BLACK_BRUSH);
    CHECK(stock.handle == GetStockObject(BLACK_BRUSH));
  }
  CHECK_EQ(GetObjectType(GetStockObject(BLACK_BRUSH)), static_cast<DWORD>(OBJ_BRUSH));
  CWinBrush recreated(RGB(1, 1, 1));
  HGDIOBJ first = recreated.handle;
  recreated.create(RGB(2, 2, 2));
  CHECK_EQ(GetObjectType(first), 0u);
  CHECK(recreated.handle != nullptr);
}

WINE_TEST(dcWrapperDrawsIntoAMemoryBitmap) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 40, 20);
  ReleaseDC(nullptr, screen);
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  {
    CWinDC dc(memory);
    CWinBrush red(RGB(255, 0, 0));
    RECT all = {0, 0, 40, 20};
    FillRect(dc.dc, &all, static_cast<HBRUSH>(red.handle));
    dc.setBkColor(RGB(0, 0, 255));
    int saved = dc.save();
    dc.setBkColor(RGB(0, 255, 0));
    CHECK(dc.restore(saved));
    RECT box = {0, 0, 10, 10};
    CHECK(dc.extTextOut(0, 0, ETO_OPAQUE, &box, "", 0, nullptr));
    CHECK_EQ(GetPixel(memory, 5, 5), RGB(0, 0, 255));
    CHECK_EQ(GetPixel(memory, 30, 15), RGB(255, 0, 0));
    CWinPoint old = dc.setViewportOrg(5, 6);
    CHECK_EQ(old.x, 0);
    old = dc.offsetViewportOrg(1, 1);
    CHECK_EQ(old.x, 5);
    CHECK_EQ(old.y, 6);
    CHECK(dc.getTextExtent("WW", 2).x > dc.getTextExtent("W", 1).x);
    CHECK(dc.ptVisible(0, 0));
  }
  CHECK_EQ(GetObjectType(memory), static_cast<DWORD>(OBJ_MEMDC));
  SelectObject(memory, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  CWinDC screenDC;
  CHECK(screenDC.dc != nullptr);
  CHECK(screenDC.window == nullptr);
}

namespace {

void writeFile(const std::string& path, const char* text) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, text, lstrlenA(text), &written, nullptr);
  CloseHandle(file);
}

std::string makeTestFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "finder" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  writeFile(folder + "\\a.txt", "abc");
  writeFile(folder + "\\b.txt", "defgh");
  writeFile(folder + "\\c.dat", "x");
  CreateDirectoryA((folder + "\\sub").c_str(), nullptr);
  return folder;
}

void removeTestFolder(const std::string& folder) {
  for (const char* name : {"\\a.txt", "\\b.txt", "\\c.dat"}) DeleteFileA((folder + name).c_str());
  RemoveDirectoryA((folder + "\\sub").c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

WINE_TEST(fileFinderGivesFullPathsWithThePatternsFolder) {
  std::string folder = makeTestFolder();
  FILETIME written = {0x12345600, 0x01D00000};
  HANDLE file = CreateFileA((folder + "\\a.txt").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  SetFileTime(file, nullptr, nullptr, &written);
  CloseHandle(file);
  CWinFileFinder finder;
  std::set<std::string> found;
  for (bool more = finder.findFirst((folder + "\\*.txt").c_str()); more; more = finder.findNext()) {
    std::string name = finder.name();
    found.insert(name);
    CHECK_EQ(std::string(finder.fullPath().c_str()), folder + "\\" + name);
    CHECK_EQ(std::string(finder.address().c_str()), "file://" + folder + "\\" + name);
    CHECK_EQ(finder.size(), name == "a.txt" ? 3u : 5u);
    CHECK(!finder.isDirectory());
    if (name != "a.txt") continue;
    FILETIME raw = {};
    CHECK(finder.lastWriteTime(&raw));
    CHECK(CompareFileTime(&raw, &written) == 0);
    CHECK(!finder.lastWriteTime(nullptr));
    FILETIME local;
    FileTimeToLocalFileTime(&written, &local);
    ULONGLONG ticks = (static_cast<ULONGLONG>(local.dwHighDateTime) << 32) | local.dwLowDateTime;
    CHECK_EQ(static_cast<long long>(finder.lastWriteTime()),
             static_cast<long long>((ticks - 116444736000000000ULL) / 10000000ULL));
  }
  CHECK((found == std::set<std::string>{"a.txt", "b.txt"}));
  finder.end();
  removeTestFolder(folder);
}

WINE_TEST(fileFinderWithoutPatternSearchesTheCurrentFolder) {
  std::string folder = makeTestFolder();
  char previous[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, previous);
  SetCurrentDirectoryA(folder.c_str());
  std::set<std::string> paths;
  bool subIsDirectory = false;
  {
    CWinFileFinder finder;
    for (bool more = finder.findNext(); more; more = finder.findNext()) {
      paths.insert(finder.fullPath().c_str());
      if (std::string(finder.name()) == "sub") subIsDirectory = finder.isDirectory();
    }
  }
  SetCurrentDirectoryA(previous);
  CHECK((paths == std::set<std::string>{".", "..", "a.txt", "b.txt", "c.dat", "sub"}));
  CHECK(subIsDirectory);
  removeTestFolder(folder);
}

namespace {

class ChoosingFolderDialog : public CWinFolderDialog {
 public:
  ChoosingFolderDialog(const char* folder, bool choose)
      : CWinFolderDialog(IDS_TEST_FOLDER_TITLE, BIF_RETURNONLYFSDIRS, nullptr), folder_(folder), choose_(choose) {}
  bool onInitialized() override {
    initialised = browser != nullptr;
    SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(folder_));
    PostMessageA(browser, WM_COMMAND, choose_ ? IDOK : IDCANCEL, 0);
    return true;
  }
  bool onSelectionChanged(LPCITEMIDLIST item) override {
    ++selectionChanges;
    return true;
  }
  bool initialised = false;
  int selectionChanges = 0;

 private:
  const char* folder_;
  bool choose_;
};

}  // namespace

WINE_TEST(folderDialogAnswersTheChosenFolder) {
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  struct Case { bool choose; } cases[] = {{true}, {false}};
  for (const Case& c : cases) {
    winetest::setContext(c.choose ? "chosen" : "cancelled");
    ThreadTimer watchdog(100, nullptr);
    ChoosingFolderDialog dialog(windows, c.choose);
    CHECK_EQ(dialog.title.c_str(), "Choose a folder");
    CHECK_EQ(dialog.run(nullptr), c.choose);
    CHECK(dialog.initialised);
    CHECK(!watchdog.timedOut);
    CText path;
    CHECK_EQ(dialog.getPath(path), c.choose);
    if (c.choose) {
      CHECK(lstrcmpiA(path.c_str(), windows) == 0);
      CHECK(dialog.selectionChanges > 0);
    }
  }
}

WINE_TEST(controlWrappersReachTheirControls) {
  InitCommonControls();
  registerTestClass();
  CWinBase parent;
  CHECK(parent.create(kTestClass, "Controls", WS_OVERLAPPEDWINDOW, RECT{0, 0, 300, 200}, nullptr, nullptr));
  CWinEdit edit;
  CHECK(edit.create(parent.hwnd, RECT{5, 5, 105, 25}, 11, WS_CHILD | WS_VISIBLE));
  CHECK(GetWindowLongA(edit.hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  CHECK_EQ(GetDlgCtrlID(edit.hwnd), 11);
  edit.changeStyle(WS_VISIBLE, ES_NUMBER, true, SWP_FRAMECHANGED);
  DWORD style = static_cast<DWORD>(GetWindowLongA(edit.hwnd, GWL_STYLE));
  CHECK(style & ES_NUMBER);
  CHECK(!(style & WS_VISIBLE));
  CWinComboBox combo(CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 5, 30, 100, 80, parent.hwnd,
                                     nullptr, getInstanceHandle(), nullptr));
  SendMessageA(combo.hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("first"));
  SendMessageA(combo.hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("second"));
  CText text;
  CHECK(combo.getItemText(1, text));
  CHECK_EQ(text.c_str(), "second");
  CHECK(!combo.getItemText(5, text));
  CWinListView list(CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, 5, 60, 200, 100, parent.hwnd,
                                    nullptr, getInstanceHandle(), nullptr));
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.pszText = const_cast<char*>("row");
  SendMessageA(list.hwnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  CHECK(list.setItemData(0, 1234));
  CHECK_EQ(list.getItemData(0), 1234);
  CHECK_EQ(list.getItemData(3), 0);
  parent.destroy();
}
