#pragma once
// CWinListView: an existing list view control.
#include "framework/win/WinControl.h"

class CWinListView : public CWinControl {
 public:
  using CWinControl::CWinControl;

  // code is an LVIR_ value. False when the item does not exist.
  bool getItemRect(int item, RECT* rect, int code) const;
  bool setItemState(int item, UINT state, UINT mask);
  // The bits of mask (LVIS_ values) that the item's state has.
  UINT getItemState(int item, UINT mask) const;
  bool setItemData(int item, LPARAM data);
  // 0 when the item does not exist.
  LPARAM getItemData(int item) const;

  // The item with the focus, or -1.
  int focusedItem() const;
  // The first selected item after item (-1: the first one), or -1.
  int nextSelectedItem(int item) const;
  int selectedCount() const;
  void setSelectionMark(int item);
  // Scrolls until the whole item is in view.
  void ensureVisible(int item);
  void redrawItems(int first, int last);
  // The item count of a list whose items are asked for; flags are LVSICF_
  // values.
  void setItemCount(int count, DWORD flags);
  // Which items are asked for rather than kept: LVIS_ state bits.
  void setCallbackMask(UINT mask);
  void setExtendedStyle(DWORD mask, DWORD style);
  // A left-aligned column of the given width; false when it is not added.
  bool insertColumn(int column, const char* title, int width);
  int columnWidth(int column) const;
  void setColumnWidth(int column, int width);
  // The item at point (client pixels), or -1; flags takes the LVHT_ bits.
  int hitTest(POINT point, UINT* flags) const;
  // The first item in view and how many items fit in it.
  int topIndex() const;
  int countPerPage() const;
};
