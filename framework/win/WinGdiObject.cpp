#include "framework/win/WinGdiObject.h"

CWinGdiObject::~CWinGdiObject() {
  if (handle) DeleteObject(handle);
}

bool CWinGdiObject::deleteObject() {
  if (!handle || !DeleteObject(handle)) return false;
  handle = nullptr;
  return true;
}

void CWinGdiObject::stockObject(int index) {
  deleteObject();
  handle = GetStockObject(index);
}

void CWinBrush::create(COLORREF color) {
  deleteObject();
  handle = CreateSolidBrush(color);
}

void CWinFont::create(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                      DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outputPrecision, DWORD clipPrecision,
                      DWORD quality, DWORD pitchAndFamily, const char* faceName) {
  deleteObject();
  handle = CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                       outputPrecision, clipPrecision, quality, pitchAndFamily, faceName);
}
