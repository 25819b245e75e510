// Every window and dialog of the four programs whole at the display scale of
// the test's own Wine prefix (SCALE_DPI dots per inch): one walk per program
// through its windows, each checked by LayoutCheck. The quiz program's main,
// word list and test windows are also moved to a monitor of 192 dots per inch,
// which Wine never does itself: the test sends the system's message.
#include "installer/InstallResourceIds.h"
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
#ifndef WM_DPICHANGED
const UINT WM_DPICHANGED = 0x02E0;
#endif

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

// Tells window that it is now on a monitor of kMovedDpi, as the system does:
// the suggested place (in lParam, which must lie in the window's process) is
// the window's own grown in proportion and kept on the screen. Then the
// window must be whole at the new scale and size() (a measure of a
// control's font) must have grown.
void moveToBiggerScale(TargetProgram& program, const std::string& path, int dpi, HWND window,
                       const std::string& name, const std::function<int()>& size) {
  RECT outer = {};
  GetWindowRect(window, &outer);
  const LONG width = MulDiv(outer.right - outer.left, kMovedDpi, dpi);
  const LONG height = MulDiv(outer.bottom - outer.top, kMovedDpi, dpi);
  const LONG left = std::max(0L, std::min(outer.left, GetSystemMetrics(SM_CXSCREEN) - width));
  const LONG top = std::max(0L, std::min(outer.top, GetSystemMetrics(SM_CYSCREEN) - height));
  const int before = size();
  sendForRect(window, WM_DPICHANGED, MAKEWPARAM(kMovedDpi, kMovedDpi), {left, top, left + width, top + height});
  program.settle();
  checkWhole(LayoutCheck(path, kMovedDpi), window, name + " at " + std::to_string(kMovedDpi) + " dots per inch");
  const int after = size();
  CHECK(before > 0 && after > before);
}

// How wide an edit draws "WWWW" in its font.
int editTextWidth(HWND edit) {
  setText(edit, "WWWW");
  return LOWORD(sendNumbers(edit, EM_POSFROMCHAR, 3, 0)) - LOWORD(sendNumbers(edit, EM_POSFROMCHAR, 0, 0));
}

DWORD storedFindNumber(const QuizBuild& build, const char* name) {
  DWORD value = 0, size = sizeof value;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(build.settingsKey) + "\\Find").c_str(), 0, KEY_READ, &key) ==
      ERROR_SUCCESS) {
    RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
  }
  return value;
}

// The word list window with its Find dialog, whose place is stored at 96 dots
// per inch.
void walkWordList(QuizSession& quiz, const LayoutCheck& layout, const std::string& path, int dpi,
                  const QuizBuild& build) {
  postCommand(quiz.main, IDM_QUIZ_WORDLIST);
  HWND words = quiz.program.waitForDialog(quiz.main);
  checkWhole(layout, words, "word list window");
  postCommand(words, IDM_WORDLIST_FIND);
  HWND find = quiz.window(&build == &kKielivis ? "Etsi" : "Find", "#32770", nullptr);
  checkWhole(layout, find, "Find");
  RECT place = {};
  GetWindowRect(find, &place);
  if (find && pressButton(find, IDC_FIND_CANCEL)) quiz.program.waitForGone(find);
  CHECK_EQ(static_cast<int>(storedFindNumber(build, "Left")), MulDiv(place.left, 96, dpi));
  CHECK_EQ(static_cast<int>(storedFindNumber(build, "Top")), MulDiv(place.top, 96, dpi));
  if (dpi < kMovedDpi)
    moveToBiggerScale(quiz.program, path, dpi, words, "word list window", [&] {
      return static_cast<int>(sendForRect(control(words, IDC_WORDLIST_LIST), LVM_GETITEMRECT, 0).bottom);
    });
  if (words && sendCommand(words, IDM_WORDLIST_CLOSE)) quiz.program.waitForGone(words);
}

void walkTest(QuizSession& quiz, const LayoutCheck& layout, const std::string& path, int dpi) {
  postCommand(quiz.main, IDM_QUIZ_TESTS);
  HWND test = quiz.window("", "WDLTEST", quiz.main);
  checkWhole(layout, test, "test window, setup");
  if (!test || !setText(control(test, IDC_TEST_FIRST_COUNT), "1")) return;
  postCommand(test, IDC_TEST_START);
  waitFor([&] { return control(test, IDC_TEST_ANSWER) != nullptr; }, "the test's first question");
  quiz.program.settle();
  checkWhole(layout, test, "test window, running");
  if (dpi < kMovedDpi)
    moveToBiggerScale(quiz.program, path, dpi, test, "test window",
                      [&] { return editTextWidth(control(test, IDC_TEST_ANSWER)); });
  PostMessageA(test, WM_CLOSE, 0, 0);
  quiz.program.waitForGone(test);
}

// Each page as the user shows it: a click on the first tab, then Right.
void walkSettings(QuizSession& quiz, const LayoutCheck& layout) {
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
  if (sheet && pressButton(sheet, IDCANCEL)) quiz.program.waitForGone(sheet);
}

void walkQuizProgram(const QuizBuild& build) {
  const int dpi = prefixDpi();
  std::string bin = quizProgramFolder("scale");
  std::string list = parentFolder(bin) + "\\words.wdl";
  const WordFileBytes words = {"English", "Finnish", "", "", {{"house", "talo", true}, {"cat", "kissa", true}}};
  if (!dpi || bin.empty() || !writeFileBytes(list, words.bytes())) return;
  const std::string path = bin + "\\" + build.program;
  LayoutCheck layout(path);
  QuizSession quiz;
  if (!quiz.start(bin, parentFolder(bin) + "\\work", {list}, build)) return;
  checkWhole(layout, quiz.main, "main window");
  walkWordList(quiz, layout, path, dpi, build);
  walkTest(quiz, layout, path, dpi);
  walkSettings(quiz, layout);
  const struct {
    int command;
    const char* name;
    int button;
  } dialogs[] = {{IDM_QUIZ_ABOUT, "About", IDC_ABOUT_OK},
                 {IDM_QUIZ_PROPERTIES, "Properties", IDCANCEL},
                 {IDM_QUIZ_ADD_WORDS, "Add Words", IDCANCEL},
                 {IDM_QUIZ_COMBINE_FILES, "Combine Files", IDCANCEL},
                 {IDM_QUIZ_MARK_HARD_WORDS, "Mark Hard Words", IDC_HARD_WORDS_CANCEL},
                 {IDC_QUIZ_CHARACTER, "Character", IDC_CHARACTER_CLOSE}};
  for (const auto& dialog : dialogs) {
    postCommand(quiz.main, dialog.command);
    HWND shown = quiz.program.waitForDialog(quiz.main);
    checkWhole(layout, shown, dialog.name);
    if (shown && pressButton(shown, dialog.button)) quiz.program.waitForGone(shown);
  }
  if (dpi < kMovedDpi)
    moveToBiggerScale(quiz.program, path, dpi, quiz.main, "main window",
                      [&] { return editTextWidth(control(quiz.main, IDC_QUIZ_ANSWER)); });
  // The word list window gave its rows back: the list counts as changed.
  PostMessageA(quiz.main, WM_CLOSE, 0, 0);
  HWND prompt = quiz.program.waitForDialog(quiz.main);
  checkWhole(layout, prompt, "save prompt");
  if (prompt) pressButton(prompt, IDNO);
  winetest::setContext("");
  CHECK_EQ(quiz.program.waitForExit(), 0);
}

// Install.exe from its background to the last wizard page and back out.
struct InstallWalk {
  TargetProgram program;
  LayoutCheck layout{kInstall};

  HWND window(const std::string& title, const char* className = "#32770") {
    WindowQuery query;
    query.title = title;
    query.className = className;
    return program.waitForWindow(query);
  }
  // Checks the message box titled title and presses button.
  void answer(const std::string& title, int button) {
    HWND box = window(title);
    checkWhole(layout, box, "message box " + title);
    if (box && pressButton(box, button)) program.waitForGone(box);
  }
  HWND page(const std::string& title) {
    HWND sheet = window(title);
    program.settle();
    checkWhole(layout, sheet, "wizard page " + title);
    return sheet;
  }
};

}  // namespace

WINE_TEST(verbolt) { walkQuizProgram(kVerbolt); }

WINE_TEST(kielivis) { walkQuizProgram(kKielivis); }

WINE_TEST(install) {
  if (!prefixDpi()) return;
  InstallWalk setup;
  if (!setup.program.startWithCommandLine(kInstall, "", "", kWork)) return;
  checkWhole(setup.layout, setup.window("", "INSTALLWND"), "background");
  HWND sheet = setup.page("Enter destination path");
  if (!sheet) return;
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
  setup.answer("Setup", IDYES);
  sheet = setup.page("Select Components");
  // The sample files (item 2) have parts: a click on them offers Details.
  HWND components = reinterpret_cast<HWND>(sendNumbers(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  HWND list = control(components, IDC_COMPONENT_LIST);
  const int itemHeight = static_cast<int>(sendNumbers(list, LB_GETITEMHEIGHT, 0, 0));
  LPARAM point = MAKELPARAM(itemHeight * 2, itemHeight * 2 + itemHeight / 2);
  PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageA(list, WM_LBUTTONUP, 0, point);
  if (waitFor([&] { return IsWindowEnabled(control(components, IDC_DETAILS)) != 0; }, "Details for the samples") &&
      pressButton(components, IDC_DETAILS)) {
    HWND details = setup.program.waitForDialog(sheet);
    checkWhole(setup.layout, details, "Details");
    if (details && pressButton(details, IDC_DETAILS_OK)) setup.program.waitForGone(details);
  }
  for (const char* title : {"Select Program Group", "Selections"}) {
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    setup.page(title);
  }
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  setup.answer("Exit Setup", IDYES);
  setup.answer("Install", IDOK);
  winetest::setContext("");
  CHECK_EQ(setup.program.waitForExit(), 1);
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
