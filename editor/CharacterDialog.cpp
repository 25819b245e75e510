#include "editor/CharacterDialog.h"

#include "framework/registry/RegistryKey.h"
#include "framework/win/DisplayScale.h"
#include "framework/win/WinDC.h"
#include "framework/win/WinGdiObject.h"
#include "framework/win/WinSelection.h"
#include "quiz/drill/FontDescription.h"
#include "quiz/drill/Settings.h"
#include "resources/QuizResourceIds.h"

namespace {

const int kCellMargin = 6;
const int kOwnerOffsetX = 10;
const int kOwnerOffsetY = 20;
const int kScreenMargin = 3;
const UINT kNoMoveOrSize = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

// A cell's character as the system's 16-bit text, for drawing and measuring.
std::wstring cellShape(unsigned code) {
  std::string text = characterText(code);
  int size = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring shape(size > 0 ? size : 0, L'\0');
  if (size > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &shape[0], size);
  return shape;
}

// The user's colour scheme names the colours; without a scheme in the
// registry the system's own colours stand in.
struct SchemeColour {
  const char* name;
  int systemIndex;
};
const SchemeColour kSchemeColours[] = {
    {"Window", COLOR_WINDOW}, {"WindowText", COLOR_WINDOWTEXT}, {"HiLight", COLOR_HIGHLIGHT},
    {"HilightText", COLOR_HIGHLIGHTTEXT}};

}  // namespace

CharacterDialog::CharacterDialog(const Settings& settings, HWND owner, Callback callback, void* context)
    : CWinDialog(IDD_CHARACTER),
      settings_(settings),
      owner_(owner),
      callback_(callback),
      context_(context),
      font_(settings.fontHandle ? settings.fontHandle : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))),
      scripts_(characterScripts()) {}

void CharacterDialog::run() { runModal(nullptr); }

void CharacterDialog::activate() {
  if (!hwnd) return;
  SetForegroundWindow(hwnd);
  SetActiveWindow(hwnd);
}

void CharacterDialog::close() {
  if (hwnd) EndDialog(hwnd, IDCANCEL);
}

void CharacterDialog::ownerDeactivated(HWND other) {
  if (!hwnd) return;
  SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, kNoMoveOrSize);
  HWND raised = other ? other : GetForegroundWindow();
  if (raised && raised != hwnd) SetWindowPos(raised, HWND_TOP, 0, 0, 0, 0, kNoMoveOrSize);
}

LRESULT CharacterDialog::onInitDialog(HWND) {
  readColours();
  placeBelowOwner();
  SetDlgItemTextA(hwnd, IDC_CHARACTER_FONT, describeFont(settings_.Font, CDisplayScale::kStandardDpi).c_str());
  fillScripts();
  HWND cells = GetDlgItem(hwnd, IDC_CHARACTER_CELLS);
  SetWindowLongPtrA(cells, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  cellsDefault_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(cells, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(cellsProcedure)));
  callback_(context_, kInitialised, 0);
  return TRUE;
}

LRESULT CharacterDialog::onCommand(UINT id, UINT code, HWND) {
  if (id == IDC_CHARACTER_CLOSE) EndDialog(hwnd, IDCANCEL);
  else if (id == IDC_CHARACTER_SCRIPT && code == CBN_SELCHANGE)
    chooseScript(static_cast<int>(SendDlgItemMessageA(hwnd, IDC_CHARACTER_SCRIPT, CB_GETCURSEL, 0, 0)));
  else callback_(context_, kCommand, MAKELPARAM(id, code));
  return 0;
}

LRESULT CharacterDialog::onClose() {
  if (callback_(context_, kClosing, 0)) EndDialog(hwnd, IDCANCEL);
  return TRUE;
}

// While active the dialog stays above every window and lifts the window it
// serves just below itself, so that the text the characters go to stays in
// sight. The window served is raised without being activated: activating it
// would take the activation from the dialog again.
LRESULT CharacterDialog::onActivate(UINT state, BOOL minimized, HWND other) {
  if (state == WA_INACTIVE) {
    SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, kNoMoveOrSize);
  } else {
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, kNoMoveOrSize);
    if (IsWindow(owner_)) SetWindowPos(owner_, HWND_TOP, 0, 0, 0, 0, kNoMoveOrSize);
  }
  return CWinDialog::onActivate(state, minimized, other);
}

// Each cell is filled one pixel beyond its right and bottom edges, so that
// neighbouring cells share one black line between them. The chosen cell is
// shown in the highlight colours.
LRESULT CharacterDialog::onDrawItem(UINT id, DRAWITEMSTRUCT* item) {
  if (id != IDC_CHARACTER_CELLS || item->itemID == static_cast<UINT>(-1)) return TRUE;
  bool chosen = (item->itemState & ODS_SELECTED) != 0;
  CWinBrush fill(colours_[chosen ? kHighlight : kWindow]);
  CWinPen frame(PS_SOLID, 1, RGB(0, 0, 0));
  HDC dc = item->hDC;
  CWinSelection pen(dc, frame.handle), brush(dc, fill.handle), font(dc, scaledFont(font_));
  RECT cell = item->rcItem;
  Rectangle(dc, cell.left, cell.top, cell.right + 1, cell.bottom + 1);
  std::wstring shape = cellShape(static_cast<unsigned>(item->itemData));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colours_[chosen ? kHighlightText : kWindowText]);
  DrawTextW(dc, shape.c_str(), static_cast<int>(shape.size()), &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  return TRUE;
}

void CharacterDialog::readColours() {
  for (int i = 0; i < kColourCount; ++i) {
    COLORREF colour = userColor(kSchemeColours[i].name);
    colours_[i] = colour != 0xFFFFFFFF ? colour : GetSysColor(kSchemeColours[i].systemIndex);
  }
}

// Below the window served, moved back inside the screen where it would pass
// the right or the bottom edge.
void CharacterDialog::placeBelowOwner() {
  RECT owner = {}, own;
  if (owner_) GetWindowRect(owner_, &owner);
  GetWindowRect(hwnd, &own);
  int width = own.right - own.left, height = own.bottom - own.top;
  int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const CDisplayScale scale = CDisplayScale::of(hwnd);
  int x = owner.left + scale(kOwnerOffsetX), y = owner.bottom + scale(kOwnerOffsetY);
  if (x + width > screenWidth) x = screenWidth - width - scale(kScreenMargin);
  if (y + height > screenHeight) y = screenHeight - height - scale(kScreenMargin);
  SetWindowPos(hwnd, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

// The scripts the program's text can hold, the one chosen last selected.
// With only the code page's own one, there is nothing to choose.
void CharacterDialog::fillScripts() {
  HWND list = GetDlgItem(hwnd, IDC_CHARACTER_SCRIPT);
  for (const CharacterScript& script : scripts_) {
    CText name;
    name.load(script.nameId);
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  EnableWindow(list, scripts_.size() > 1);
  DWORD stored = 0;
  settings_.readNumber(Settings::kCharacterKey, Settings::kCharacterScript, &stored);
  chooseScript(stored < scripts_.size() ? static_cast<int>(stored) : 0);
}

void CharacterDialog::chooseScript(int index) {
  if (index < 0 || index >= static_cast<int>(scripts_.size())) return;
  if (index != script_) settings_.writeNumber(Settings::kCharacterKey, Settings::kCharacterScript, index);
  script_ = index;
  lastSelected_ = -1;
  SendDlgItemMessageA(hwnd, IDC_CHARACTER_SCRIPT, CB_SETCURSEL, index, 0);
  measureCells();
  fillCells();
}

// The list box asks for its item height while the dialog is being made,
// before this object is bound to it, so the measured sizes are set here.
// The cells are measured anew in the font at the new scale.
LRESULT CharacterDialog::onDpiChanged(int dpi, const RECT* suggested) {
  const LRESULT answer = CWinDialog::onDpiChanged(dpi, suggested);
  measureCells();
  InvalidateRect(GetDlgItem(hwnd, IDC_CHARACTER_CELLS), nullptr, TRUE);
  return answer;
}

void CharacterDialog::measureCells() {
  SIZE largest = {};
  HDC screen = GetDC(nullptr);
  {
    CWinSelection font(screen, scaledFont(font_));
    for (unsigned code : scripts_[script_].codes) {
      std::wstring shape = cellShape(code);
      SIZE size = {};
      GetTextExtentPoint32W(screen, shape.c_str(), static_cast<int>(shape.size()), &size);
      if (size.cx > largest.cx) largest.cx = size.cx;
      if (size.cy > largest.cy) largest.cy = size.cy;
    }
  }
  ReleaseDC(nullptr, screen);
  const int margin = CDisplayScale::of(hwnd)(kCellMargin);
  SendDlgItemMessageA(hwnd, IDC_CHARACTER_CELLS, LB_SETCOLUMNWIDTH, largest.cx + margin, 0);
  SendDlgItemMessageA(hwnd, IDC_CHARACTER_CELLS, LB_SETITEMHEIGHT, 0, largest.cy + margin);
}

// The list has no strings: each item's data is its character code.
void CharacterDialog::fillCells() {
  HWND cells = GetDlgItem(hwnd, IDC_CHARACTER_CELLS);
  SendMessageA(cells, WM_SETREDRAW, FALSE, 0);
  SendMessageA(cells, LB_RESETCONTENT, 0, 0);
  for (unsigned code : scripts_[script_].codes) SendMessageA(cells, LB_ADDSTRING, 0, code);
  SendMessageA(cells, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(cells, nullptr, TRUE);
  SendDlgItemMessageA(hwnd, IDC_CHARACTER_CELLS, LB_SETCURSEL, 0, 0);
}

// A double click hands its cell over once: not again when the click that
// began it already did.
void CharacterDialog::clickCell(int index, bool doubleClick) {
  bool choose = doubleClick ? !choseOnDown_ : index == lastSelected_;
  choseOnDown_ = !doubleClick && choose;
  lastSelected_ = index;
  if (!choose) return;
  LRESULT code = SendDlgItemMessageA(hwnd, IDC_CHARACTER_CELLS, LB_GETITEMDATA, index, 0);
  if (code != LB_ERR) callback_(context_, kChosen, code);
}

LRESULT CALLBACK CharacterDialog::cellsProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    auto* dialog = reinterpret_cast<CharacterDialog*>(GetWindowLongPtrA(list, GWLP_USERDATA));
    if (!dialog) return DefWindowProcA(list, message, wParam, lParam);
    LRESULT result = CallWindowProcA(dialog->cellsDefault_, list, message, wParam, lParam);
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
      LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, lParam);
      if (HIWORD(hit) == 0) dialog->clickCell(LOWORD(hit), message == WM_LBUTTONDBLCLK);
    }
    return result;
  } catch (...) {
    return 0;
  }
}
