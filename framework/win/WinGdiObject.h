#pragma once
// CWinGdiObject: the owner of one GDI object handle (pen, brush, font, bitmap
// or any other). The destructor deletes the held handle whether the wrapper
// made it or had it attached, so attach only handles it may delete: own ones,
// or those SelectObject handed back from a fresh DC (stock objects survive
// DeleteObject). CWinPen, CWinBrush and CWinFont differ only in how they make
// their handle.
#include "framework/core/Win32.h"

class CWinGdiObject {
 public:
  CWinGdiObject() = default;
  explicit CWinGdiObject(HGDIOBJ handle) : handle(handle) {}
  CWinGdiObject(const CWinGdiObject&) = delete;
  CWinGdiObject& operator=(const CWinGdiObject&) = delete;
  virtual ~CWinGdiObject();

  void attach(HGDIOBJ object) { handle = object; }
  // False for no handle or a failed delete; the handle becomes null on success.
  bool deleteObject();
  // Deletes the held handle first.
  void stockObject(int index);

  HGDIOBJ handle = nullptr;
};

class CWinPen : public CWinGdiObject {
 public:
  CWinPen(int style, int width, COLORREF color) : CWinGdiObject(CreatePen(style, width, color)) {}
};

class CWinBrush : public CWinGdiObject {
 public:
  explicit CWinBrush(COLORREF color) : CWinGdiObject(CreateSolidBrush(color)) {}
  // Deletes the held brush, then makes a new one.
  void create(COLORREF color);
};

class CWinFont : public CWinGdiObject {
 public:
  CWinFont() = default;
  // Deletes the held font, then CreateFontA.
  void create(int height, int width, int escapement, int orientation, int weight, DWORD italic,
              DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outputPrecision, DWORD clipPrecision,
              DWORD quality, DWORD pitchAndFamily, const char* faceName);
};
