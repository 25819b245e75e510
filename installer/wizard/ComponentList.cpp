#include "installer/wizard/ComponentList.h"

#include "framework/win/DisplayScale.h"
#include "framework/win/WinApp.h"
#include "framework/win/WinDC.h"
#include "framework/win/WinControl.h"
#include "framework/win/WinGdiObject.h"
#include "framework/win/WinSelection.h"
#include "installer/phases/InstallResourceIds.h"
#include "installer/script/Selection.h"
#include "installer/wizard/SizeText.h"

namespace {

const int kItemWidth = 245, kItemHeight = 13;
const int kWideListWidth = 249, kWideListHeight = 140;
const int kGapAboveNextControl = 3;
const COLORREF kGrey = RGB(128, 128, 128);
const int kMarkSize = 9;

bool anyHasSubSelections(const std::vector<Selection>& selections) {
  for (const Selection& selection : selections) {
    if (!selection.subSelections.empty()) return true;
  }
  return false;
}

// The wide list is 140 pixels high where the dialog's font leaves room for
// that; with a smaller font it ends above the control below it (the
// "Destination Directory" box), whose caption it would otherwise cover and
// paint over whenever it is drawn.
int wideListHeight(HWND dialog, HWND list, const CDisplayScale& scale) {
  RECT area = CWinControl(list).placement();
  int bottom = area.top + scale(kWideListHeight);
  const int gap = scale(kGapAboveNextControl);
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT other = CWinControl(child).placement();
    bool below = other.top >= area.bottom;
    bool across = other.left < area.left + scale(kWideListWidth) && other.right > area.left;
    if (below && across && other.top - gap < bottom) bottom = other.top - gap;
  }
  return bottom - area.top;
}

}  // namespace

// The marks nearest to the screen's scale.
ComponentList::ComponentList(const SizeText& sizes)
    : sizes_(sizes),
      chosen_(loadBitmap(MAKEINTRESOURCEA(CDisplayScale::of(nullptr).imageId(IDB_CHOSEN)))),
      required_(loadBitmap(MAKEINTRESOURCEA(CDisplayScale::of(nullptr).imageId(IDB_REQUIRED)))),
      partlyChosen_(loadBitmap(MAKEINTRESOURCEA(CDisplayScale::of(nullptr).imageId(IDB_PARTLY_CHOSEN)))) {}

ComponentList::~ComponentList() {
  for (HBITMAP bitmap : {chosen_, required_, partlyChosen_}) {
    if (bitmap) DeleteObject(bitmap);
  }
}

void ComponentList::fill(HWND dialog, std::vector<Selection>& selections) {
  list_ = GetDlgItem(dialog, IDC_COMPONENT_LIST);
  details_ = GetDlgItem(dialog, IDC_DETAILS);
  for (Selection& selection : selections) {
    items_.push_back(&selection);
    SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(&selection));
  }
  if (!anyHasSubSelections(selections)) {
    ShowWindow(details_, SW_HIDE);
    const CDisplayScale scale = CDisplayScale::of(dialog);
    SetWindowPos(list_, nullptr, 0, 0, scale(kWideListWidth), wideListHeight(dialog, list_, scale),
                 SWP_NOMOVE | SWP_NOZORDER);
  }
  highlight(0);
}

void ComponentList::measure(HWND dialog, MEASUREITEMSTRUCT* item) const {
  const CDisplayScale scale = CDisplayScale::of(dialog);
  item->itemWidth = scale(kItemWidth);
  item->itemHeight = scale(kItemHeight);
}

HBITMAP ComponentList::markOf(unsigned char state) const {
  switch (state) {
    case Selection::kChosen: return chosen_;
    case Selection::kPartlyChosen: return partlyChosen_;
    case Selection::kRequired: return required_;
    default: return nullptr;
  }
}

void ComponentList::draw(const DRAWITEMSTRUCT* item) const {
  if (item->itemID >= items_.size()) return;
  const Selection& selection = *items_[item->itemID];
  HDC dc = item->hDC;
  RECT rect = item->rcItem;
  const CDisplayScale scale = CDisplayScale::of(item->hwndItem);
  const int line = scale(1);
  CWinSelection font(dc, GetStockObject(ANSI_VAR_FONT));
  SetBkMode(dc, TRANSPARENT);
  CWinPen white(PS_INSIDEFRAME, line, RGB(255, 255, 255));
  CWinBrush window(GetSysColor(COLOR_WINDOW));
  {
    CWinSelection pen(dc, white.handle), brush(dc, window.handle);
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
  }
  bool selected = (item->itemState & ODS_SELECTED) != 0;
  if (selected) {
    RECT inside = {rect.left + line, rect.top + line, rect.right - line, rect.bottom - line};
    FillRect(dc, &inside, GetSysColorBrush(COLOR_HIGHLIGHT));
  }
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  {
    CWinPen grey(PS_INSIDEFRAME, line, kGrey);
    CWinSelection pen(dc, grey.handle), brush(dc, window.handle);
    Rectangle(dc, rect.left + scale(2), rect.top + scale(1), rect.left + scale(13), rect.top + scale(12));
  }
  if (HBITMAP mark = markOf(selection.state)) {
    HDC memory = CreateCompatibleDC(dc);
    {
      // The mark's nearest size, stretched to the list's exact scale.
      BITMAP header = {};
      GetObjectA(mark, sizeof header, &header);
      CWinSelection bitmap(memory, mark);
      StretchBlt(dc, rect.left + scale(3), rect.top + scale(2), scale(kMarkSize), scale(kMarkSize), memory, 0, 0,
                 header.bmWidth, header.bmHeight, SRCCOPY);
    }
    DeleteDC(memory);
  }
  if (selection.state == Selection::kRequired) SetTextColor(dc, kGrey);
  textOutInCodePage(dc, rect.left + scale(16), rect.top, selection.title.c_str(), static_cast<int>(selection.title.length()));
  CText size = sizes_.kilobytes(selection.size);
  DrawTextA(dc, size.c_str(), static_cast<int>(size.length()), &rect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
}

// The list allows many selected items and flips an item's selection at each
// click; only the highlighted item may stay selected.
Selection* ComponentList::clicked(UINT code) {
  if (items_.empty() || (code != LBN_SELCHANGE && code != LBN_DBLCLK)) return nullptr;
  Selection* toggled = nullptr;
  if (code == LBN_SELCHANGE) {
    int caret = static_cast<int>(SendMessageA(list_, LB_GETCARETINDEX, 0, 0));
    clickToggled_ = caret == highlighted_;
    if (clickToggled_) toggled = items_[highlighted_];
    else if (caret >= 0 && caret < static_cast<int>(items_.size())) highlighted_ = caret;
  } else if (code == LBN_DBLCLK) {
    if (!clickToggled_) toggled = items_[highlighted_];
    clickToggled_ = false;
  }
  highlight(highlighted_);
  return toggled;
}

void ComponentList::highlight(int index) {
  highlighted_ = index;
  SendMessageA(list_, LB_SETSEL, FALSE, -1);
  if (items_.empty()) return;
  SendMessageA(list_, LB_SETSEL, TRUE, index);
  SendMessageA(list_, LB_SETCARETINDEX, index, FALSE);
  EnableWindow(details_, !items_[index]->subSelections.empty());
}

void ComponentList::redraw() const { InvalidateRect(list_, nullptr, TRUE); }

Selection* ComponentList::highlighted() const { return items_.empty() ? nullptr : items_[highlighted_]; }
