// Every window and dialog of the four programs whole at the display scale of
// the test's own Wine prefix (SCALE_DPI dots per inch): one walk per program
// through its windows, each checked by LayoutCheck. The quiz program's main,
// word list and test windows and the Character dialog are also moved to a
// monitor of 192 dots per inch, which Wine never does itself: the test sends
// the system's message.
#include "installer/phases/InstallResourceIds.h"
#include "resources/QuizResourceIds.h"
#include "tests/e2e/LayoutCheck.h"
#include "tests/e2e/QuizFixture.h"
#include "tests/e2e/QuizSession.h"
#include "tests/e2e/Wait.h"
#include "tests/e2e/WindowAccess.h"
#include "tests/wine/WineTest.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

using namespace e2e;

namespace {

const char kWork[] = "C:\\scale";
const int kMovedDpi = 192;
const UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED, newer than the headers' Windows

// The build gives host paths; Wine shows the host's root as Z:.
std::string hostPath(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return "Z:" + path;
}

const std::string kInstall = hostPath(INSTALL_EXE), kRemove = hostPath(REMOVE_EXE);

// The test measures texts as the programs draw them: at the prefix's scale,
// which it answers (0 when the prefix is not at SCALE_DPI).
int prefixDpi() {
  using Aware = BOOL(WINAPI*)();
  if (auto aware = reinterpret_cast<Aware>(
          reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDPIAware"))))
    aware();
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const char* wanted = std::getenv("SCALE_DPI");
  CHECK_EQ(dpi, wanted ? std::atoi(wanted) : 0);
  return wanted && dpi == std::atoi(wanted) ? dpi : 0;
}

void checkWhole(const LayoutCheck& layout, HWND window, const std::string& name) {
  winetest::setContext(name);
  CHECK(window != nullptr);
  const std::vector<std::string> faults = window ? layout.faults(window) : std::vector<std::string>();
  if (!faults.empty()) winetest::fail(__FILE__, __LINE__, name + " is not whole:" + joined(faults));
}

// How wide an edit draws "WWWW" in its font.
int editTextWidth(HWND edit) {
  setText(edit, "WWWW");
  return LOWORD(sendNumbers(edit, EM_POSFROMCHAR, 3, 0)) - LOWORD(sendNumbers(edit, EM_POSFROMCHAR, 0, 0));
}

DWORD storedNumber(const std::string& key, const char* name) {
  DWORD value = 0, size = sizeof value;
  HKEY opened;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return 0;
  RegQueryValueExA(opened, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
  RegCloseKey(opened);
  return value;
}

// One quiz program through its windows at the prefix's scale; its main, word
// list and test windows are also moved to a monitor of kMovedDpi.
struct QuizWalk {
  QuizWalk(const QuizBuild& build, int dpi, const std::string& program) : build(build), dpi(dpi), program(program) {}

  const QuizBuild& build;
  int dpi;
  std::string program;
  LayoutCheck layout{program}, moved{program, kMovedDpi};
  QuizSession quiz;

  // Opens the dialog of command and checks it.
  HWND open(HWND owner, int command, const std::string& name) {
    postCommand(owner, command);
    HWND dialog = quiz.program.waitForDialog(owner);
    checkWhole(layout, dialog, name);
    return dialog;
  }
  void close(HWND dialog, int button) {
    if (dialog && pressButton(dialog, button)) quiz.program.waitForGone(dialog);
  }
  // Tells window that it is on a monitor of kMovedDpi now, as the system
  // would: the suggested place (in lParam, which must lie in the window's
  // process) is the window's own grown in proportion and kept on the screen.
  // The window must then be whole at that scale, and fontSize() larger.
  void move(HWND window, const std::string& name, const std::function<int()>& fontSize) {
    if (dpi >= kMovedDpi) return;
    RECT outer = {};
    GetWindowRect(window, &outer);
    const LONG width = MulDiv(outer.right - outer.left, kMovedDpi, dpi);
    const LONG height = MulDiv(outer.bottom - outer.top, kMovedDpi, dpi);
    const LONG left = std::max(0L, std::min(outer.left, GetSystemMetrics(SM_CXSCREEN) - width));
    const LONG top = std::max(0L, std::min(outer.top, GetSystemMetrics(SM_CYSCREEN) - height));
    const int before = fontSize();
    sendForRect(window, kDpiChanged, MAKEWPARAM(kMovedDpi, kMovedDpi), {left, top, left + width, top + height});
    quiz.program.settle();
    checkWhole(moved, window, name + " at " + std::to_string(kMovedDpi) + " dots per inch");
    CHECK(before > 0 && fontSize() > before);
  }

  // The Find dialog's place is stored at 96 dots per inch.
  void wordList() {
    HWND words = open(quiz.main, IDM_QUIZ_WORDLIST, "word list window");
    postCommand(words, IDM_WORDLIST_FIND);
    HWND find = quiz.window(&build == &kKielivis ? "Etsi" : "Find", "#32770", nullptr);
    checkWhole(layout, find, "Find");
    RECT place = {};
    GetWindowRect(find, &place);
    close(find, IDC_FIND_CANCEL);
    const std::string key = std::string(build.settingsKey) + "\\Find";
    CHECK_EQ(static_cast<int>(storedNumber(key, "Left")), MulDiv(place.left, 96, dpi));
    CHECK_EQ(static_cast<int>(storedNumber(key, "Top")), MulDiv(place.top, 96, dpi));
    move(words, "word list window", [&] {
      return static_cast<int>(sendForRect(control(words, IDC_WORDLIST_LIST), LVM_GETITEMRECT, 0).bottom);
    });
    if (words && sendCommand(words, IDM_WORDLIST_CLOSE)) quiz.program.waitForGone(words);
  }

  // Its cells are measured in the font of the new scale.
  void character() {
    HWND dialog = open(quiz.main, IDC_QUIZ_CHARACTER, "Character");
    move(dialog, "Character", [&] {
      return static_cast<int>(sendNumbers(control(dialog, IDC_CHARACTER_CELLS), LB_GETITEMHEIGHT, 0, 0));
    });
    close(dialog, IDC_CHARACTER_CLOSE);
  }

  void test() {
    postCommand(quiz.main, IDM_QUIZ_TESTS);
    HWND test = quiz.window("", "WDLTEST", quiz.main);
    checkWhole(layout, test, "test window, setup");
    if (!test || !setText(control(test, IDC_TEST_FIRST_COUNT), "1")) return;
    postCommand(test, IDC_TEST_START);
    waitFor([&] { return control(test, IDC_TEST_ANSWER) != nullptr; }, "the test's first question");
    quiz.program.settle();
    checkWhole(layout, test, "test window, running");
    move(test, "test window", [&] { return editTextWidth(control(test, IDC_TEST_ANSWER)); });
    PostMessageA(test, WM_CLOSE, 0, 0);
    quiz.program.waitForGone(test);
  }

  // Each page as the user shows it: a click on the first tab, then Right.
  void settings() {
    postCommand(quiz.main, IDM_QUIZ_SETTINGS);
    HWND sheet = quiz.program.waitForDialog(quiz.main);
    HWND tabs = sheet ? FindWindowExA(sheet, nullptr, WC_TABCONTROLA, nullptr) : nullptr;
    const int pages = tabs ? static_cast<int>(sendNumbers(tabs, TCM_GETITEMCOUNT, 0, 0)) : 0;
    CHECK(pages > 0);
    PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
    PostMessageA(tabs, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
    waitFor([&] { return quiz.program.focus() == tabs; }, "the focus on the Settings tabs");
    for (int page = 0; page < pages; ++page) {
      if (page > 0) quiz.program.pressKey(VK_RIGHT);
      waitFor([&] { return sendNumbers(tabs, TCM_GETCURSEL, 0, 0) == page; }, "the page");
      quiz.program.settle();
      checkWhole(layout, sheet, "Settings page " + std::to_string(page));
    }
    close(sheet, IDCANCEL);
  }
};

void walkQuizProgram(const QuizBuild& build) {
  const int dpi = prefixDpi();
  std::string bin = quizProgramFolder("scale");
  std::string list = parentFolder(bin) + "\\words.wdl";
  const WordFileBytes words = {"English", "Finnish", "", "", {{"house", "talo", true}, {"cat", "kissa", true}}};
  if (!dpi || bin.empty() || !writeFileBytes(list, words.bytes())) return;
  QuizWalk walk(build, dpi, bin + "\\" + build.program);
  if (!walk.quiz.start(bin, parentFolder(bin) + "\\work", {list}, build)) return;
  checkWhole(walk.layout, walk.quiz.main, "main window");
  walk.wordList();
  walk.test();
  walk.settings();
  const struct {
    int command;
    const char* name;
    int button;
  } dialogs[] = {{IDM_QUIZ_ABOUT, "About", IDC_ABOUT_OK},
                 {IDM_QUIZ_PROPERTIES, "Properties", IDCANCEL},
                 {IDM_QUIZ_ADD_WORDS, "Add Words", IDCANCEL},
                 {IDM_QUIZ_COMBINE_FILES, "Combine Files", IDCANCEL},
                 {IDM_QUIZ_MARK_HARD_WORDS, "Mark Hard Words", IDC_HARD_WORDS_CANCEL}};
  for (const auto& dialog : dialogs) walk.close(walk.open(walk.quiz.main, dialog.command, dialog.name), dialog.button);
  walk.character();
  walk.move(walk.quiz.main, "main window", [&] { return editTextWidth(control(walk.quiz.main, IDC_QUIZ_ANSWER)); });
  // The word list window gave its rows back: the list counts as changed.
  PostMessageA(walk.quiz.main, WM_CLOSE, 0, 0);
  HWND prompt = walk.quiz.program.waitForDialog(walk.quiz.main);
  checkWhole(walk.layout, prompt, "save prompt");
  if (prompt) pressButton(prompt, IDNO);
  winetest::setContext("");
  CHECK_EQ(walk.quiz.program.waitForExit(), 0);
}

}  // namespace

WINE_TEST(verbolt) { walkQuizProgram(kVerbolt); }

WINE_TEST(kielivis) { walkQuizProgram(kKielivis); }

// Install.exe from its background to the last wizard page and back out.
WINE_TEST(install) {
  if (!prefixDpi()) return;
  TargetProgram setup;
  LayoutCheck layout(kInstall);
  auto window = [&](const std::string& title, const char* className = "#32770") {
    WindowQuery query;
    query.title = title;
    query.className = className;
    return setup.waitForWindow(query);
  };
  auto answer = [&](const std::string& title, int button) {
    HWND box = window(title);
    checkWhole(layout, box, "message box " + title);
    if (box && pressButton(box, button)) setup.waitForGone(box);
  };
  auto page = [&](const std::string& title) {
    HWND sheet = window(title);
    setup.settle();
    checkWhole(layout, sheet, "wizard page " + title);
    return sheet;
  };
  if (!setup.startWithCommandLine(kInstall, "", "", kWork)) return;
  checkWhole(layout, window("", "INSTALLWND"), "background");
  HWND sheet = page("Enter destination path");
  if (!sheet) return;
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
  answer("Setup", IDYES);
  sheet = page("Select Components");
  // The sample files (item 2) have parts: a click on them offers Details.
  HWND components = reinterpret_cast<HWND>(sendNumbers(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  HWND list = control(components, IDC_COMPONENT_LIST);
  const int itemHeight = static_cast<int>(sendNumbers(list, LB_GETITEMHEIGHT, 0, 0));
  LPARAM point = MAKELPARAM(itemHeight * 2, itemHeight * 2 + itemHeight / 2);
  PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageA(list, WM_LBUTTONUP, 0, point);
  if (waitFor([&] { return IsWindowEnabled(control(components, IDC_DETAILS)) != 0; }, "Details for the samples") &&
      pressButton(components, IDC_DETAILS)) {
    HWND details = setup.waitForDialog(sheet);
    checkWhole(layout, details, "Details");
    if (details && pressButton(details, IDC_DETAILS_OK)) setup.waitForGone(details);
  }
  for (const char* title : {"Select Program Group", "Selections"}) {
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    page(title);
  }
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  answer("Exit Setup", IDYES);
  answer("Install", IDOK);
  winetest::setContext("");
  CHECK_EQ(setup.waitForExit(), 1);
}

// Remove.exe shows message boxes only: the usage and the missing log.
WINE_TEST(remove) {
  if (!prefixDpi()) return;
  LayoutCheck layout(kRemove);
  for (const char* arguments : {"/X", ""}) {
    TargetProgram remove;
    if (!remove.startWithCommandLine(kRemove, arguments, "", kWork)) return;
    HWND box = nullptr;
    waitFor([&] { return (box = anyProcessMessageBox("Remove", "")) != nullptr; }, "a message of Remove");
    checkWhole(layout, box, std::string("Remove ") + arguments);
    if (box) pressButton(box, IDOK);
    remove.waitForExit();
  }
}
