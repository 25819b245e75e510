#include "framework/win/DisplayScale.h"

namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);
using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// A user32 function of newer Windows, or null.
template <typename Function>
Function newerUserFunction(const char* name) {
  HMODULE user = GetModuleHandleA("user32.dll");
  return user ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user, name))) : nullptr;
}

int screenDpi() {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : CDisplayScale::kStandardDpi;
}

const char kToldDpi[] = "DisplayScale.dpi";

}  // namespace

CDisplayScale CDisplayScale::of(HWND window) {
  static const DpiForWindow dpiForWindow = newerUserFunction<DpiForWindow>("GetDpiForWindow");
  HWND topLevel = window ? GetAncestor(window, GA_ROOT) : nullptr;
  int dpi = topLevel ? static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(topLevel, kToldDpi))) : 0;
  if (dpi <= 0 && window && dpiForWindow) dpi = static_cast<int>(dpiForWindow(window));
  return CDisplayScale(dpi > 0 ? dpi : screenDpi());
}

void CDisplayScale::remember(HWND window, int dpi) {
  SetPropA(window, kToldDpi, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(dpi)));
}

void CDisplayScale::forget(HWND window) { RemovePropA(window, kToldDpi); }

RECT CDisplayScale::operator()(const RECT& rect) const {
  return {(*this)(rect.left), (*this)(rect.top), (*this)(rect.right), (*this)(rect.bottom)};
}

int CDisplayScale::imageStep() const {
  const int percent = dpi * 100 / kStandardDpi;
  return percent < 125 ? 0 : percent < 175 ? 1 : 2;
}

RECT CDisplayScale::outer(const RECT& client, DWORD style, bool menu, DWORD extendedStyle) const {
  static const AdjustForDpi adjustForDpi = newerUserFunction<AdjustForDpi>("AdjustWindowRectExForDpi");
  RECT rect = client;
  if (adjustForDpi) adjustForDpi(&rect, style, menu, extendedStyle, static_cast<UINT>(dpi));
  else AdjustWindowRectEx(&rect, style, menu, extendedStyle);
  return rect;
}

LOGFONTA CDisplayScale::font(const LOGFONTA& standardFont) const {
  LOGFONTA font = standardFont;
  font.lfHeight = (*this)(standardFont.lfHeight);
  font.lfWidth = (*this)(standardFont.lfWidth);
  return font;
}

LOGFONTA CDisplayScale::standardFont(const LOGFONTA& font) const {
  LOGFONTA standard = font;
  standard.lfHeight = this->standard(font.lfHeight);
  standard.lfWidth = this->standard(font.lfWidth);
  return standard;
}
