// End-to-end tests of the window framework: the demo program runs in its own
// process and is driven only through its message loop and window messages.
#include <windows.h>

#include <string>

#include "framework/win/ThreeDButton.h"
#include "tests/e2e/CleanState.h"
#include "tests/e2e/TargetProgram.h"
#include "tests/e2e/WindowAccess.h"
#include "tests/e2e/WindowCapture.h"
#include "tests/e2e/demo/DemoIds.h"
#include "tests/wine/WineTest.h"

using namespace e2e;

namespace {

const char kSettingsKey[] = "Software\\Quorvel\\FrameworkDemo";
const COLORREF kRed = RGB(0xFF, 0, 0), kGreen = RGB(0, 0xFF, 0), kBlue = RGB(0, 0, 0xFF);

std::string besideThisProgram(const char* name) {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

// The demo, started clean, with its main window found.
struct Demo {
  TargetProgram program;
  HWND main = nullptr;

  bool start() {
    setScreenshotPrefix("framework_e2e_test");
    // The button's hot tracking polls the real pointer; keep it away.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    if (!program.start(besideThisProgram("framework_demo.exe"), {}, kSettingsKey,
                       besideThisProgram("demo-work")))
      return false;
    WindowQuery query;
    query.title = "Framework demo";
    main = program.waitForWindow(query);
    return main && focusIs(IDC_FIRST, main);
  }

  std::string log() const { return text(control(main, IDC_LOG)); }

  bool logHas(const std::string& entries) {
    return waitFor([&] { return log().find(entries) != std::string::npos; },
                   "\"" + entries + "\" in the demo's log \"" + log() + "\"");
  }

  bool focusIs(int id, HWND dialog) {
    return waitFor([&] { return program.focus() == control(dialog, id); },
                   "the focus on control " + std::to_string(id));
  }

  void finish() { CHECK_EQ(program.close(main), DEMO_EXIT_CODE); }
};

int occurrences(const std::string& text, const std::string& part) {
  int found = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++found;
  return found;
}

int defaultFontWidth(const std::string& text) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, GetStockObject(DEFAULT_GUI_FONT));
  SIZE size = {};
  GetTextExtentPoint32A(screen, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return size.cx;
}

}  // namespace

WINE_TEST(startRemovesTheSettingsKeyAndEmptiesTheWorkFolder) {
  HKEY key;
  CHECK_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kSettingsKey) + "\\Old").c_str(), 0,
                           nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
           ERROR_SUCCESS);
  RegCloseKey(key);
  std::string folder = besideThisProgram("demo-work");
  CHECK(makeEmptyFolder(folder + "\\left\\over"));
  Demo demo;
  if (!demo.start()) return;
  CHECK_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
  CHECK_EQ(GetFileAttributesA((folder + "\\left").c_str()), INVALID_FILE_ATTRIBUTES);
  CHECK(GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
  demo.finish();
}

WINE_TEST(enterAndEscEndTheModalDialogWithoutTheCommandHandler) {
  Demo demo;
  if (!demo.start()) return;
  const struct {
    UINT key;
    const char* result;
  } cases[] = {{VK_RETURN, "modal=1;"}, {VK_ESCAPE, "modal=2;"}};
  for (const auto& c : cases) {
    winetest::setContext(std::string("key ") + std::to_string(c.key));
    postCommand(demo.main, IDM_MODAL);
    WindowQuery query;
    query.title = "Demo modal";
    query.owner = demo.main;
    HWND modal = demo.program.waitForWindow(query);
    if (!modal || !demo.focusIs(IDC_MODAL_EDIT, modal)) return;
    pressButton(modal, IDC_MODAL_OTHER);
    CHECK(demo.logHas("m203:0;"));
    CHECK(demo.program.pressKey(c.key));
    CHECK(demo.program.waitForGone(modal));
    CHECK(demo.logHas(c.result));
  }
  winetest::setContext("");
  std::string log = demo.log();
  CHECK_EQ(occurrences(log, "m1:"), 0);
  CHECK_EQ(occurrences(log, "m2:"), 0);
  CHECK_EQ(occurrences(log, "m203:0;"), 2);
  demo.finish();
}

WINE_TEST(modelessLoopTranslatesAcceleratorsAndTabs) {
  Demo demo;
  if (!demo.start()) return;
  demo.program.pressKey(VK_F5);
  CHECK(demo.logHas("305:1;"));
  demo.program.pressKey(VK_TAB);
  CHECK(demo.focusIs(IDC_SECOND, demo.main));
  CHECK(demo.logHas("305:1;230:1;"));
  demo.program.pressKey(VK_TAB, kShift);
  CHECK(demo.focusIs(IDC_FIRST, demo.main));
  CHECK(demo.logHas("230:1;231:1;"));
  demo.program.pressKey(VK_TAB, kControl);
  CHECK(demo.focusIs(IDC_SECOND, demo.main));
  CHECK(demo.logHas("231:1;230:1;"));
  // Translated keys never reach the edit controls as characters.
  CHECK_EQ(text(control(demo.main, IDC_FIRST)), "");
  CHECK_EQ(text(control(demo.main, IDC_SECOND)), "");
  demo.program.typeText("word");
  CHECK(waitFor([&] { return text(control(demo.main, IDC_SECOND)) == "word"; }, "\"word\" typed into the edit"));
  CHECK(setText(control(demo.main, IDC_FIRST), "set from outside"));
  CHECK_EQ(text(control(demo.main, IDC_FIRST)), "set from outside");
  demo.finish();
}

WINE_TEST(staticPaintsColouredRunsKeepsZeroOperandsAndCutsAtTheEdge) {
  Demo demo;
  if (!demo.start()) return;
  // A width where a fourth "M" would fit before the right edge but not before
  // the right edge less 3 pixels.
  HWND narrow = control(demo.main, IDC_NARROW);
  RECT narrowRect;
  GetClientRect(narrow, &narrowRect);
  SetWindowPos(narrow, nullptr, 0, 0, 4 + defaultFontWidth("MMMM") + 1, narrowRect.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  sendCommand(demo.main, IDM_RICH_TEXTS);
  CHECK_EQ(text(control(demo.main, IDC_RUNS)), "MMMMMMMM");
  CHECK_EQ(text(control(demo.main, IDC_ZERO)), "abcdxW");
  CHECK_EQ(text(control(demo.main, IDC_NARROW)), std::string(28, 'M'));
  CHECK_EQ(sendNumbers(control(demo.main, IDC_ZERO), WM_GETTEXTLENGTH, 0, 0), 6);

  HWND runs = control(demo.main, IDC_RUNS);
  CHECK(waitFor([&] { WindowCapture c(runs); return c.count(kRed) > 0 && c.count(kGreen) > 0; },
                "red text and a green background in the runs control"));
  WindowCapture runsPicture(runs);
  RECT red = runsPicture.bounds(kRed), green = runsPicture.bounds(kGreen);
  CHECK(red.right <= green.left);
  CHECK(green.top >= 2 && green.bottom <= runsPicture.height() - 2);
  CHECK(green.bottom - green.top < runsPicture.height() - 4);
  CHECK_EQ(green.left, 4 + defaultFontWidth("MMMM"));
  CHECK_EQ(green.right, 4 + defaultFontWidth("MMMMMMMM"));

  HWND zero = control(demo.main, IDC_ZERO);
  CHECK(waitFor([&] { return WindowCapture(zero).count(kRed) > 0; },
                "the red characters after a colour code holding 0 bytes"));
  // "cd" in the default font, then "xW" in the demo's 22-pixel font: taller red.
  RECT zeroRed = WindowCapture(zero).bounds(kRed);
  CHECK(zeroRed.bottom - zeroRed.top > red.bottom - red.top + 4);

  CHECK(waitFor([&] { return WindowCapture(narrow).count(kBlue) > 0; },
                "the blue characters of the narrow control"));
  WindowCapture narrowPicture(narrow);
  CHECK_EQ(narrowPicture.count(kRed), 0);
  int fitting = 0;
  while (4 + defaultFontWidth(std::string(fitting + 1, 'M')) <= narrowPicture.width() - 3) ++fitting;
  RECT blue = narrowPicture.bounds(kBlue);
  CHECK_EQ(fitting, 3);
  CHECK(blue.right <= 4 + defaultFontWidth(std::string(fitting, 'M')));
  CHECK(blue.right > 4 + defaultFontWidth(std::string(fitting - 1, 'M')));
  demo.finish();
}

WINE_TEST(buttonSendsItsNotificationsAndTheClick) {
  Demo demo;
  if (!demo.start()) return;
  HWND button = control(demo.main, IDC_BUTTON);
  HWND defaultButton = control(demo.main, IDC_DEFAULT_BUTTON);
  CHECK_EQ(sendNumbers(demo.main, DM_GETDEFID, 0, 0), MAKELONG(IDC_DEFAULT_BUTTON, DC_HASDEFID));
  CHECK_EQ(sendNumbers(defaultButton, CThreeDButton::kIsDefault, 0, 0), 1);
  // The default button has the dark outer frame; the other starts with the
  // highlight line of its raised border.
  CHECK(waitFor(
      [&] {
        WindowCapture left(defaultButton), right(button);
        return left.pixel(0, left.height() / 2) == GetSysColor(COLOR_3DDKSHADOW) &&
               right.pixel(0, right.height() / 2) == GetSysColor(COLOR_BTNHIGHLIGHT);
      },
      "the default button's dark frame"));
  PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, clientPoint(5, 5));
  PostMessageA(button, WM_LBUTTONUP, 0, clientPoint(5, 5));
  CHECK(demo.logHas("120:15;120:12;120:0;120:13;"));

  PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, clientPoint(5, 5));
  PostMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, clientPoint(-30, 5));
  PostMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, clientPoint(6, 6));
  PostMessageA(button, WM_MOUSEMOVE, MK_LBUTTON, clientPoint(-30, 5));
  PostMessageA(button, WM_LBUTTONUP, 0, clientPoint(-30, 5));
  PostMessageA(button, WM_LBUTTONDBLCLK, MK_LBUTTON, clientPoint(5, 5));
  CHECK(demo.logHas("120:13;120:12;120:13;120:12;120:13;120:14;"));
  CHECK_EQ(occurrences(demo.log(), "120:0;"), 1);

  CHECK(demo.focusIs(IDC_BUTTON, demo.main));
  demo.program.pressKey(VK_SPACE);
  CHECK(demo.logHas("120:14;120:12;120:0;120:13;"));

  PostMessageA(button, WM_MOUSEMOVE, 0, clientPoint(5, 5));
  CHECK(demo.logHas("120:13;120:10;120:11;"));

  demo.program.pressKey(VK_TAB);
  CHECK(demo.logHas("120:16;"));
  CHECK_EQ(sendNumbers(button, CThreeDButton::kGetColor, 6, 0), -1);
  CHECK_EQ(sendNumbers(button, CThreeDButton::kSetColor, 6, 0x123456), 0);
  CHECK_EQ(sendNumbers(button, CThreeDButton::kGetColor, 1, 0), 0xFFFFFF);
  CHECK_EQ(sendNumbers(button, CThreeDButton::kSetColor, 4, 0x123456), 1);
  CHECK_EQ(sendNumbers(button, CThreeDButton::kGetColor, 4, 0), 0x123456);
  CHECK_EQ(sendNumbers(button, CThreeDButton::kIsDefault, 0, 0), 0);
  CHECK_EQ(sendNumbers(button, CThreeDButton::kGetPressed, 0, 0), 0);
  demo.finish();
}

WINE_TEST(messageBoxIsReadAndAnswered) {
  Demo demo;
  if (!demo.start()) return;
  postCommand(demo.main, IDM_QUESTION);
  HWND box = demo.program.waitForDialog(demo.main);
  if (!box) return;
  CHECK_EQ(messageBoxText(box), "Demo question?");
  CHECK(pressButton(box, IDNO));
  CHECK(demo.program.waitForGone(box));
  CHECK(demo.logHas("box=7;"));
  demo.finish();
}
