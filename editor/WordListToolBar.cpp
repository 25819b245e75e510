#include "editor/WordListToolBar.h"

#include "framework/win/DisplayScale.h"
#include "framework/win/WinApp.h"
#include "resources/QuizResourceIds.h"

#include <string>

namespace {

const COLORREF kTransparent = RGB(192, 192, 192);
const int kSmallImage = 16, kLargeImage = 24;
const int kIndent = 2;
const int kSeparator = -1;

// Command and image of each button in order, kSeparator for the gaps. The
// buttons take their labels in the same order.
struct Button {
  int command;
  int image;
};
const Button kButtons[] = {
    {IDM_WORDLIST_CLOSE, 0}, {kSeparator, 0},      {IDM_WORDLIST_CUT, 1},    {IDM_WORDLIST_COPY, 2},
    {IDM_WORDLIST_PASTE, 3}, {kSeparator, 0},      {IDM_WORDLIST_NEW, 4},    {IDM_WORDLIST_EDIT, 5},
    {IDM_WORDLIST_DELETE, 6}, {kSeparator, 0},     {IDM_WORDLIST_MARK, 7},   {IDM_WORDLIST_FIND, 8},
    {IDM_WORDLIST_SORT, 9},
};

}  // namespace

bool WordListToolBar::build(HWND parent, DWORD flags) {
  if (bar_.hwnd) DestroyWindow(bar_.hwnd);
  bar_.hwnd = nullptr;
  // The images nearest to the window's scale.
  const CDisplayScale scale = CDisplayScale::of(parent);
  int size = scale.imageSize(flags & kLarge ? kLargeImage : kSmallImage);
  images_.load(scale.imageId(flags & kLarge ? IDB_TOOLBAR_LARGE : IDB_TOOLBAR), size, 0, kTransparent);
  disabledImages_.load(scale.imageId(flags & kLarge ? IDB_TOOLBAR_LARGE_DISABLED : IDB_TOOLBAR_DISABLED), size, 0,
                       kTransparent);
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_ADJUSTABLE | TBSTYLE_ALTDRAG;
  if (flags & kFlat) style |= TBSTYLE_FLAT;
  if (flags & kToolTips) style |= TBSTYLE_TOOLTIPS;
  RECT place = {0, 0, 0, 0};
  if (!bar_.create(parent, place, IDC_WORDLIST_TOOLBAR, style)) return false;
  SendMessageA(bar_.hwnd, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.handle));
  SendMessageA(bar_.hwnd, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabledImages_.handle));
  SendMessageA(bar_.hwnd, TB_SETINDENT, scale(kIndent), 0);
  SendMessageA(bar_.hwnd, TB_SETBUTTONSIZE, 0, MAKELPARAM(size, size));
  SendMessageA(bar_.hwnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
  if (flags & kLabels) addLabels();
  addButtons((flags & kLabels) != 0);
  return true;
}

// The labels are the pieces of string 30103 between its line feeds.
void WordListToolBar::addLabels() {
  CText labels;
  labels.load(QuizString::kToolbarLabels);
  std::string pool;
  const char* text = labels.c_str();
  for (const char* p = *text == '\n' ? text + 1 : text; *p; ++p) pool.push_back(*p == '\n' ? '\0' : *p);
  if (pool.empty() || pool.back() != '\0') pool.push_back('\0');
  pool.push_back('\0');
  SendMessageA(bar_.hwnd, TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(pool.data()));
}

void WordListToolBar::addButtons(bool labels) {
  TBBUTTON buttons[sizeof kButtons / sizeof kButtons[0]] = {};
  int label = 0;
  for (size_t i = 0; i < sizeof kButtons / sizeof kButtons[0]; ++i) {
    TBBUTTON& button = buttons[i];
    if (kButtons[i].command == kSeparator) {
      button.fsStyle = TBSTYLE_SEP;
      continue;
    }
    button.iBitmap = kButtons[i].image;
    button.idCommand = kButtons[i].command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = TBSTYLE_BUTTON;
    button.iString = labels ? label++ : -1;
  }
  SendMessageA(bar_.hwnd, TB_ADDBUTTONSA, sizeof buttons / sizeof buttons[0], reinterpret_cast<LPARAM>(buttons));
}

void WordListToolBar::setFlat(bool on) {
  bar_.changeStyle(TBSTYLE_FLAT, on ? TBSTYLE_FLAT : 0);
  InvalidateRect(bar_.hwnd, nullptr, TRUE);
}

void WordListToolBar::enable(UINT command, bool on) {
  SendMessageA(bar_.hwnd, TB_ENABLEBUTTON, command, MAKELPARAM(on ? TRUE : FALSE, 0));
}

POINT WordListToolBar::belowButton(UINT command) const {
  RECT button = {0, 0, 0, 0};
  SendMessageA(bar_.hwnd, TB_GETRECT, command, reinterpret_cast<LPARAM>(&button));
  bar_.clientToScreen(&button);
  return POINT{button.left, button.bottom};
}

int WordListToolBar::extent() const {
  int count = static_cast<int>(SendMessageA(bar_.hwnd, TB_BUTTONCOUNT, 0, 0));
  RECT last = {0, 0, 0, 0};
  if (count > 0) SendMessageA(bar_.hwnd, TB_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&last));
  return last.right;
}

int WordListToolBar::fitWidth() {
  SendMessageA(bar_.hwnd, TB_AUTOSIZE, 0, 0);
  RECT place;
  GetWindowRect(bar_.hwnd, &place);
  return place.bottom - place.top;
}
