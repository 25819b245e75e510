#include "framework/WinListView.h"

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
