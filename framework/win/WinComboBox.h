#pragma once
// CWinComboBox: an existing combo box.
#include "framework/win/WinControl.h"

class CWinComboBox : public CWinControl {
 public:
  using CWinControl::CWinControl;

  // False (text unchanged) when the index does not exist.
  bool getItemText(int index, CText& text) const;
};
