#pragma once
// CWinListView: an existing list view control.
#include "framework/WinControl.h"

class CWinListView : public CWinControl {
 public:
  using CWinControl::CWinControl;

  // code is an LVIR_ value. False when the item does not exist.
  bool getItemRect(int item, RECT* rect, int code) const;
  bool setItemState(int item, UINT state, UINT mask);
  bool setItemData(int item, LPARAM data);
  // 0 when the item does not exist.
  LPARAM getItemData(int item) const;
};
