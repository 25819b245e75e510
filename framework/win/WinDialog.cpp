#include "framework/win/WinDialog.h"

#include "framework/win/DisplayScale.h"
#include "framework/win/WinApp.h"
#include "framework/win/WinControl.h"
#include "framework/win/WinFrame.h"

LRESULT CWinDialog::defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) { return 0; }

LRESULT CWinDialog::onDpiChanged(int dpi, const RECT* suggested) {
  CWinBase::onDpiChanged(dpi, suggested);
  return TRUE;
}

INT_PTR CWinDialog::runModal(HWND owner) {
  return DialogBoxParamA(getInstanceHandle(), MAKEINTRESOURCEA(templateId), owner, dialogProcedure(),
                         reinterpret_cast<LPARAM>(static_cast<CWinBase*>(this)));
}

namespace {

// Loads the table acceleratorId (-1: none); false when it cannot be loaded.
bool loadTable(int acceleratorId, HACCEL* accelerators) {
  *accelerators = nullptr;
  if (acceleratorId == -1) return true;
  *accelerators = LoadAcceleratorsA(getInstanceHandle(), MAKEINTRESOURCEA(static_cast<WORD>(acceleratorId)));
  return *accelerators != nullptr;
}

}  // namespace

WPARAM CWinDialog::runModeless(HWND owner, int acceleratorId) {
  HACCEL accelerators;
  if (!loadTable(acceleratorId, &accelerators)) return 0;
  return runModeless(owner, accelerators);
}

WPARAM CWinDialog::runModeless(HWND owner, HACCEL accelerators) {
  hwnd = CreateDialogParamA(getInstanceHandle(), MAKEINTRESOURCEA(templateId), owner, dialogProcedure(),
                            reinterpret_cast<LPARAM>(static_cast<CWinBase*>(this)));
  if (!hwnd) return 0;
  return runMessageLoop(hwnd, accelerators);
}

bool CWinDialog::runNested(HWND owner, int acceleratorId) {
  HACCEL accelerators;
  if (!loadTable(acceleratorId, &accelerators)) return false;
  HWND window = CreateDialogParamA(getInstanceHandle(), MAKEINTRESOURCEA(templateId), owner, dialogProcedure(),
                                   reinterpret_cast<LPARAM>(static_cast<CWinBase*>(this)));
  if (!window) return false;
  MSG message;
  // 16-bit messages, as in runMessageLoop().
  while (hwnd) {
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (accelerators && TranslateAcceleratorW(window, accelerators, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

namespace {

// The dialog base units (average character width, height) of font made at
// 96 dots per inch, as the dialog manager measures them.
SIZE standardBaseUnits(HFONT font, int dpi) {
  LOGFONTA face = {};
  GetObjectA(font, sizeof face, &face);
  const int points = MulDiv(face.lfHeight < 0 ? -face.lfHeight : face.lfHeight, 72, dpi);
  face.lfHeight = -MulDiv(points, CDisplayScale::kStandardDpi, 72);
  face.lfWidth = 0;
  HFONT standard = CreateFontIndirectA(&face);
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, standard);
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  SIZE extent = {};
  GetTextExtentPoint32A(dc, kLetters, 52, &extent);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  DeleteObject(standard);
  return SIZE{(extent.cx / 26 + 1) / 2, metrics.tmHeight};
}

}  // namespace

void CWinDialog::placeTemplateAtScale() {
  const CDisplayScale scale = CDisplayScale::of(hwnd);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0));
  if (scale.dpi == CDisplayScale::kStandardDpi || !font) return;
  RECT units = {0, 0, 4, 8};
  MapDialogRect(hwnd, &units);
  const SIZE standard = standardBaseUnits(font, scale.dpi);
  if (units.right <= 0 || units.bottom <= 0 || standard.cx <= 0 || standard.cy <= 0) return;
  const int across = scale(standard.cx), down = scale(standard.cy);
  auto x = [&](LONG value) { return MulDiv(value, across, units.right); };
  auto y = [&](LONG value) { return MulDiv(value, down, units.bottom); };
  for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const RECT place = CWinControl(child).placement();
    MoveWindow(child, x(place.left), y(place.top), x(place.right) - x(place.left), y(place.bottom) - y(place.top),
               FALSE);
  }
  RECT client;
  GetClientRect(hwnd, &client);
  const RECT outer = scale.outer({0, 0, x(client.right), y(client.bottom)},
                                 static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)), GetMenu(hwnd) != nullptr,
                                 static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE)));
  SetWindowPos(hwnd, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CWinDialog::notifyResult(LRESULT result) {
  SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
  return TRUE;
}

void CWinDialog::restoreDefaultButton(UINT id, UINT pressed) {
  SendMessageA(hwnd, DM_SETDEFID, id, 0);
  SendDlgItemMessageA(hwnd, static_cast<int>(pressed), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
}
