// Every window and dialog of the four programs whole at the display scale of
// the test's own Wine prefix (SCALE_DPI dots per inch): one walk per program
// through its windows, each checked by LayoutCheck.
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

#include <cstdlib>
#include <string>

using namespace e2e;

namespace {

const char kWork[] = "C:\\scale";

// The build gives host paths; Wine shows the host's root as Z:.
std::string hostPath(const char* path) {
  std::string windows = std::string("Z:") + path;
  for (char& c : windows)
    if (c == '/') c = '\\';
  return windows;
}

const std::string kInstall = hostPath(INSTALL_EXE), kRemove = hostPath(REMOVE_EXE);

// The test measures texts as the programs draw them: at the prefix's scale.
bool atPrefixScale() {
  using Aware = BOOL(WINAPI*)();
  if (auto aware = reinterpret_cast<Aware>(
          reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDPIAware"))))
    aware();
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const char* wanted = std::getenv("SCALE_DPI");
  CHECK(wanted != nullptr);
  CHECK_EQ(dpi, wanted ? std::atoi(wanted) : 0);
  return wanted && dpi == std::atoi(wanted);
}

void checkWhole(const LayoutCheck& layout, HWND window, const std::string& name) {
  winetest::setContext(name);
  CHECK(window != nullptr);
  if (!window) return;
  const std::vector<std::string> faults = layout.faults(window);
  if (!faults.empty()) winetest::fail(__FILE__, __LINE__, name + " is not whole:" + joined(faults));
}

// Opens a modal dialog of the quiz program with command, checks it and
// closes it with button.
void checkDialog(QuizSession& quiz, const LayoutCheck& layout, int command, const std::string& name, int button) {
  postCommand(quiz.main, command);
  HWND dialog = quiz.program.waitForDialog(quiz.main);
  checkWhole(layout, dialog, name);
  if (dialog && pressButton(dialog, button)) quiz.program.waitForGone(dialog);
}

void walkQuizProgram(const QuizBuild& build) {
  if (!atPrefixScale()) return;
  std::string bin = quizProgramFolder("scale");
  std::string path = parentFolder(bin) + "\\words.wdl";
  const WordFileBytes list = {"English", "Finnish", "", "", {{"house", "talo", true}, {"cat", "kissa", true}}};
  if (bin.empty() || !writeFileBytes(path, list.bytes())) return;
  LayoutCheck layout(bin + "\\" + build.program);
  QuizSession quiz;
  if (!quiz.start(bin, parentFolder(bin) + "\\work", {path}, build)) return;
  checkWhole(layout, quiz.main, "main window");

  postCommand(quiz.main, IDM_QUIZ_WORDLIST);
  HWND words = quiz.program.waitForDialog(quiz.main);
  checkWhole(layout, words, "word list window");
  if (words && sendCommand(words, IDM_WORDLIST_CLOSE)) quiz.program.waitForGone(words);

  postCommand(quiz.main, IDM_QUIZ_TESTS);
  HWND test = quiz.window("", "WDLTEST", quiz.main);
  checkWhole(layout, test, "test window, setup");
  if (!test || !setText(control(test, IDC_TEST_FIRST_COUNT), "1")) return;
  postCommand(test, IDC_TEST_START);
  waitFor([&] { return control(test, IDC_TEST_ANSWER) != nullptr; }, "the test's first question");
  quiz.program.settle();
  checkWhole(layout, test, "test window, running");
  PostMessageA(test, WM_CLOSE, 0, 0);
  quiz.program.waitForGone(test);

  // Each page as the user shows it: a click on the first tab, then Right.
  postCommand(quiz.main, IDM_QUIZ_SETTINGS);
  HWND sheet = quiz.program.waitForDialog(quiz.main);
  HWND tabs = sheet ? FindWindowExA(sheet, nullptr, WC_TABCONTROLA, nullptr) : nullptr;
  const int pages = tabs ? static_cast<int>(sendNumbers(tabs, TCM_GETITEMCOUNT, 0, 0)) : 0;
  CHECK(pages > 0);
  PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
  PostMessageA(tabs, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
  waitFor([&] { return quiz.program.focus() == tabs; }, "the focus on the Settings tabs");
  for (int page = 0; page < pages; ++page) {
    winetest::setContext("Settings page " + std::to_string(page));
    if (page > 0) quiz.program.pressKey(VK_RIGHT);
    waitFor([&] { return sendNumbers(tabs, TCM_GETCURSEL, 0, 0) == page; }, "the page");
    quiz.program.settle();
    checkWhole(layout, sheet, "Settings page " + std::to_string(page));
  }
  if (sheet && pressButton(sheet, IDCANCEL)) quiz.program.waitForGone(sheet);

  checkDialog(quiz, layout, IDM_QUIZ_ABOUT, "About", IDC_ABOUT_OK);
  checkDialog(quiz, layout, IDM_QUIZ_PROPERTIES, "Properties", IDCANCEL);
  checkDialog(quiz, layout, IDM_QUIZ_ADD_WORDS, "Add Words", IDCANCEL);
  checkDialog(quiz, layout, IDM_QUIZ_COMBINE_FILES, "Combine Files", IDCANCEL);
  checkDialog(quiz, layout, IDM_QUIZ_MARK_HARD_WORDS, "Mark Hard Words", IDC_HARD_WORDS_CANCEL);
  checkDialog(quiz, layout, IDC_QUIZ_CHARACTER, "Character", IDC_CHARACTER_CLOSE);
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
  if (!atPrefixScale()) return;
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
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
  setup.page("Select Program Group");
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
  setup.page("Selections");
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  setup.answer("Exit Setup", IDYES);
  setup.answer("Install", IDOK);
  winetest::setContext("");
  CHECK_EQ(setup.program.waitForExit(), 1);
}

// Remove.exe shows message boxes only: the usage and the missing log.
WINE_TEST(remove) {
  if (!atPrefixScale()) return;
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
