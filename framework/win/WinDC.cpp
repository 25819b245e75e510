#include "framework/win/WinDC.h"

#include <string>

CWinDC::CWinDC(HWND window) : dc(GetDC(window)), window(window) {}

CWinDC::~CWinDC() {
  if (window && dc) ReleaseDC(window, dc);
}

HGDIOBJ CWinDC::selectStockObject(int index) { return SelectObject(dc, GetStockObject(index)); }

void CWinDC::attach(HDC handle) { dc = handle; }

int CWinDC::releaseTo(HWND target) {
  int result = ReleaseDC(target, dc);
  dc = nullptr;
  flag = 0;
  return result;
}

int CWinDC::release() {
  int result = ReleaseDC(window, dc);
  dc = nullptr;
  window = nullptr;
  return result;
}

int CWinDC::save() { return SaveDC(dc); }
BOOL CWinDC::restore(int saved) { return RestoreDC(dc, saved); }
COLORREF CWinDC::setBkColor(COLORREF color) { return SetBkColor(dc, color); }
COLORREF CWinDC::setTextColor(COLORREF color) { return SetTextColor(dc, color); }
int CWinDC::setMapMode(int mode) { return SetMapMode(dc, mode); }

CWinPoint CWinDC::setViewportOrg(int x, int y) {
  CWinPoint old;
  SetViewportOrgEx(dc, x, y, &old);
  return old;
}

CWinPoint CWinDC::offsetViewportOrg(int x, int y) {
  CWinPoint old;
  OffsetViewportOrgEx(dc, x, y, &old);
  return old;
}

CWinPoint CWinDC::setViewportExt(int x, int y) {
  SIZE old = {0, 0};
  SetViewportExtEx(dc, x, y, &old);
  return CWinPoint(old.cx, old.cy);
}

CWinPoint CWinDC::scaleViewportExt(int xNumerator, int xDenominator, int yNumerator, int yDenominator) {
  SIZE old = {0, 0};
  ScaleViewportExtEx(dc, xNumerator, xDenominator, yNumerator, yDenominator, &old);
  return CWinPoint(old.cx, old.cy);
}

CWinPoint CWinDC::setWindowExt(int x, int y) {
  SIZE old = {0, 0};
  SetWindowExtEx(dc, x, y, &old);
  return CWinPoint(old.cx, old.cy);
}

CWinPoint CWinDC::scaleWindowExt(int xNumerator, int xDenominator, int yNumerator, int yDenominator) {
  SIZE old = {0, 0};
  ScaleWindowExtEx(dc, xNumerator, xDenominator, yNumerator, yDenominator, &old);
  return CWinPoint(old.cx, old.cy);
}

int CWinDC::getClipBox(RECT* rect) { return GetClipBox(dc, rect); }
BOOL CWinDC::ptVisible(int x, int y) { return PtVisible(dc, x, y); }
BOOL CWinDC::rectVisible(const RECT* rect) { return RectVisible(dc, rect); }
BOOL CWinDC::textOut(int x, int y, const char* text, int count) { return textOutInCodePage(dc, x, y, text, count); }

BOOL CWinDC::extTextOut(int x, int y, UINT options, const RECT* rect, const char* text, UINT count,
                        const INT* widths) {
  return ExtTextOutA(dc, x, y, options, rect, text, count, widths);
}

CWinPoint CWinDC::tabbedTextOut(int x, int y, const char* text, int count, int tabCount, const INT* tabStops,
                                int tabOrigin) {
  LONG extent = TabbedTextOutA(dc, x, y, text, count, tabCount, tabStops, tabOrigin);
  return CWinPoint(LOWORD(extent), HIWORD(extent));
}

int CWinDC::drawText(const char* text, int count, RECT* rect, UINT format) {
  return DrawTextA(dc, text, count, rect, format);
}

BOOL CWinDC::grayString(HBRUSH brush, GRAYSTRINGPROC output, LPARAM data, int count, int x, int y, int width,
                        int height) {
  return GrayStringA(dc, brush, output, data, count, x, y, width, height);
}

int CWinDC::escape(int code, int inputSize, const char* input, void* output) {
  return Escape(dc, code, inputSize, input, output);
}

CWinPoint CWinDC::getTextExtent(const char* text, int count) const {
  SIZE size = {0, 0};
  GetTextExtentPoint32A(dc, text, count, &size);
  return CWinPoint(size.cx, size.cy);
}

int CWinDC::screenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  int pixels = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return pixels;
}

UINT textCodePage(HDC dc) {
  UINT codePage = GetACP();
  CHARSETINFO charset = {};
  if (codePage != CP_UTF8 &&
      TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<DWORD_PTR>(GetTextCharset(dc))), &charset,
                           TCI_SRCCHARSET))
    codePage = charset.ciACP;
  return codePage;
}

BOOL textOutInCodePage(HDC dc, int x, int y, const char* text, int count) {
  UINT codePage = textCodePage(dc);
  int size = MultiByteToWideChar(codePage, 0, text, count, nullptr, 0);
  std::wstring units(size > 0 ? size : 0, L'\0');
  if (size > 0) MultiByteToWideChar(codePage, 0, text, count, &units[0], size);
  return TextOutW(dc, x, y, units.c_str(), static_cast<int>(units.size()));
}
