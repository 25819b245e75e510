#include "framework/win/WinListView.h"

#include <commctrl.h>

bool CWinListView::getItemRect(int item, RECT* rect, int code) const {
  rect->left = code;
  return SendMessageA(hwnd, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(rect)) != 0;
}

bool CWinListView::setItemState(int item, UINT state, UINT mask) {
  LVITEMA change = {};
  change.state = state;
  change.stateMask = mask;
  return SendMessageA(hwnd, LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&change)) != 0;
}

bool CWinListView::setItemData(int item, LPARAM data) {
  LVITEMA change = {};
  change.mask = LVIF_PARAM;
  change.iItem = item;
  change.lParam = data;
  return SendMessageA(hwnd, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&change)) != 0;
}

LPARAM CWinListView::getItemData(int item) const {
  LVITEMA query = {};
  query.mask = LVIF_PARAM;
  query.iItem = item;
  if (!SendMessageA(hwnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query))) return 0;
  return query.lParam;
}

UINT CWinListView::getItemState(int item, UINT mask) const {
  return static_cast<UINT>(SendMessageA(hwnd, LVM_GETITEMSTATE, item, mask));
}

int CWinListView::focusedItem() const {
  return static_cast<int>(SendMessageA(hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

int CWinListView::nextSelectedItem(int item) const {
  return static_cast<int>(SendMessageA(hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(item), LVNI_SELECTED));
}

int CWinListView::selectedCount() const { return static_cast<int>(SendMessageA(hwnd, LVM_GETSELECTEDCOUNT, 0, 0)); }

void CWinListView::setSelectionMark(int item) { SendMessageA(hwnd, LVM_SETSELECTIONMARK, 0, item); }

void CWinListView::ensureVisible(int item) { SendMessageA(hwnd, LVM_ENSUREVISIBLE, item, FALSE); }

void CWinListView::redrawItems(int first, int last) { SendMessageA(hwnd, LVM_REDRAWITEMS, first, last); }

void CWinListView::setItemCount(int count, DWORD flags) { SendMessageA(hwnd, LVM_SETITEMCOUNT, count, flags); }

void CWinListView::setCallbackMask(UINT mask) { SendMessageA(hwnd, LVM_SETCALLBACKMASK, mask, 0); }

void CWinListView::setExtendedStyle(DWORD mask, DWORD style) {
  SendMessageA(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style);
}

bool CWinListView::insertColumn(int column, const char* title, int width) {
  LVCOLUMNA format = {};
  format.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  format.fmt = LVCFMT_LEFT;
  format.cx = width;
  format.pszText = const_cast<char*>(title);
  format.iSubItem = column;
  return SendMessageA(hwnd, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&format)) >= 0;
}

int CWinListView::columnWidth(int column) const {
  return static_cast<int>(SendMessageA(hwnd, LVM_GETCOLUMNWIDTH, column, 0));
}

void CWinListView::setColumnWidth(int column, int width) { SendMessageA(hwnd, LVM_SETCOLUMNWIDTH, column, width); }

int CWinListView::hitTest(POINT point, UINT* flags) const {
  LVHITTESTINFO hit = {};
  hit.pt = point;
  int item = static_cast<int>(SendMessageA(hwnd, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  *flags = hit.flags;
  return item;
}

int CWinListView::topIndex() const { return static_cast<int>(SendMessageA(hwnd, LVM_GETTOPINDEX, 0, 0)); }

int CWinListView::countPerPage() const { return static_cast<int>(SendMessageA(hwnd, LVM_GETCOUNTPERPAGE, 0, 0)); }
