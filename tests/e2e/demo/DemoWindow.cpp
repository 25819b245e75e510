#include "tests/e2e/demo/DemoWindow.h"

#include <string>

#include "framework/win/WinApp.h"
#include "tests/e2e/demo/DemoIds.h"
#include "tests/e2e/demo/DemoModal.h"

namespace {

const int kLeft = 20, kTop = 20;

std::string code(unsigned char c, unsigned char b1, unsigned char b2, unsigned char b3) {
  return std::string{static_cast<char>(c), static_cast<char>(b1), static_cast<char>(b2),
                     static_cast<char>(b3)};
}

std::string fontCode(HFONT font) {
  DWORD value = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(font));
  return code(3, value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF) +
         static_cast<char>((value >> 24) & 0xFF);
}

}  // namespace

DemoWindow::DemoWindow() : CWinDialog(IDD_DEMO_MAIN) {}

DemoWindow::~DemoWindow() {
  if (bigFont_) DeleteObject(bigFont_);
}

DemoLog DemoWindow::log() const { return DemoLog(GetDlgItem(hwnd, IDC_LOG)); }

LRESULT DemoWindow::onInitDialog(HWND) {
  SetWindowPos(hwnd, nullptr, kLeft, kTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  return TRUE;
}

LRESULT DemoWindow::onCommand(UINT id, UINT code, HWND) {
  if (id == IDC_LOG || id == IDC_FIRST || id == IDC_SECOND || id == IDC_DEFAULT_BUTTON) return 0;
  log().addCommand("", id, code);
  switch (id) {
    case IDM_NEXT: moveFocus(false); break;
    case IDM_PREVIOUS: moveFocus(true); break;
    case IDM_MODAL: runModal(); break;
    case IDM_QUESTION: askQuestion(); break;
    case IDM_RICH_TEXTS: showRichTexts(); break;
  }
  return 0;
}

LRESULT DemoWindow::onClose() {
  PostQuitMessage(DEMO_EXIT_CODE);
  return 0;
}

void DemoWindow::moveFocus(bool previous) {
  HWND next = GetNextDlgTabItem(hwnd, GetFocus(), previous);
  if (next) SetFocus(next);
}

void DemoWindow::runModal() {
  DemoModal dialog(log());
  INT_PTR result = dialog.runModal(hwnd);
  log().add("modal=" + std::to_string(result));
}

void DemoWindow::askQuestion() {
  char question[100], caption[100];
  LoadStringA(getInstanceHandle(), IDS_DEMO_QUESTION, question, sizeof(question));
  LoadStringA(getInstanceHandle(), IDS_DEMO_CAPTION, caption, sizeof(caption));
  int answer = MessageBoxA(hwnd, question, caption, MB_YESNO | MB_ICONQUESTION);
  log().add("box=" + std::to_string(answer));
}

// Red runs, a green background behind the following characters only, colour
// operands with 0 bytes, a font code, and a text too wide for its control.
void DemoWindow::showRichTexts() {
  if (!bigFont_)
    bigFont_ = CreateFontA(-22, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  const std::string red = code(1, 0xFF, 0, 0), black = code(1, 0, 0, 0);
  const std::string blue = code(1, 0, 0, 0xFF), green = code(2, 0, 0xFF, 0);
  std::string runs = red + "MMMM" + black + green + "MMMM";
  std::string zero = "ab" + red + "cd" + fontCode(bigFont_) + "xW";
  std::string narrow = blue + std::string(24, 'M') + red + "MMMM";
  SetDlgItemTextA(hwnd, IDC_RUNS, runs.c_str());
  SetDlgItemTextA(hwnd, IDC_ZERO, zero.c_str());
  SetDlgItemTextA(hwnd, IDC_NARROW, narrow.c_str());
}
