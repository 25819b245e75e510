#pragma once
// CWinColorDialog: the system's colour chooser. The chosen colour is read
// from chooseColor.rgbResult after run() answers true. The 16 custom colours
// start white and live only as long as the object.
#include "framework/win/WinCommonDialog.h"

class CWinColorDialog : public CWinCommonDialog {
 public:
  // CC_ENABLEHOOK is added; a non-zero initial colour adds CC_RGBINIT, so
  // black opens without a preselected colour.
  CWinColorDialog(COLORREF initial, DWORD flags);

  // False when the user cancels.
  BOOL run(HWND owner);

  CHOOSECOLORA chooseColor;
  COLORREF customColors[16];
};
