#include "framework/win/WinFontDialog.h"

#include "framework/win/WinApp.h"

CWinFontDialog::CWinFontDialog(const LOGFONTA* initial, DWORD flags, HDC printer)
    : chooseFont(), logFont(), style() {
  chooseFont.lStructSize = sizeof chooseFont;
  chooseFont.hInstance = getInstanceHandle();
  chooseFont.lpLogFont = &logFont;
  chooseFont.lpszStyle = style;
  chooseFont.Flags = flags | CF_ENABLEHOOK;
  chooseFont.lCustData = customData();
  chooseFont.lpfnHook = hookProcedure;
  if (initial) {
    logFont = *initial;
    chooseFont.Flags |= CF_INITTOLOGFONTSTRUCT;
  }
  if (printer) {
    chooseFont.Flags |= CF_PRINTERFONTS;
    chooseFont.hDC = printer;
  }
}

BOOL CWinFontDialog::run(HWND owner) {
  chooseFont.hwndOwner = owner;
  BOOL result = ChooseFontA(&chooseFont);
  hwnd = nullptr;
  return result;
}
