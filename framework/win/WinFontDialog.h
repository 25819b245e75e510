#pragma once
// CWinFontDialog: the system's font chooser. The chosen font description is
// read from logFont after run() answers true.
#include "framework/win/WinCommonDialog.h"

class CWinFontDialog : public CWinCommonDialog {
 public:
  // initial and printer may be null. CF_ENABLEHOOK is added; an initial font
  // adds CF_INITTOLOGFONTSTRUCT, a printer CF_PRINTERFONTS.
  CWinFontDialog(const LOGFONTA* initial, DWORD flags, HDC printer);

  // False when the user cancels.
  BOOL run(HWND owner);

  CHOOSEFONTA chooseFont;
  LOGFONTA logFont;
  char style[LF_FACESIZE * 2];
};
