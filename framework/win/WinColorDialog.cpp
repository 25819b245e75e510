#include "framework/win/WinColorDialog.h"

#include <cstring>

CWinColorDialog::CWinColorDialog(COLORREF initial, DWORD flags) : chooseColor(), customColors() {
  std::memset(customColors, 0xFF, sizeof customColors);
  chooseColor.lStructSize = sizeof chooseColor;
  chooseColor.lpCustColors = customColors;
  chooseColor.Flags = flags | CC_ENABLEHOOK;
  chooseColor.lCustData = customData();
  chooseColor.lpfnHook = hookProcedure;
  if (initial != 0) {
    chooseColor.rgbResult = initial;
    chooseColor.Flags |= CC_RGBINIT;
  }
}

BOOL CWinColorDialog::run(HWND owner) {
  chooseColor.hwndOwner = owner;
  BOOL result = ChooseColorA(&chooseColor);
  hwnd = nullptr;
  return result;
}
