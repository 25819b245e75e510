#pragma once
// CWinDC: a device context. Made for a window it takes the window's DC and
// gives it back when destroyed; made for no window it takes the screen DC
// and does not give it back; made around an existing DC it releases nothing.
#include "framework/win/WinPoint.h"

class CWinDC {
 public:
  CWinDC() : CWinDC(static_cast<HWND>(nullptr)) {}
  explicit CWinDC(HWND window);
  explicit CWinDC(HDC dc) : dc(dc) {}
  CWinDC(const CWinDC&) = delete;
  CWinDC& operator=(const CWinDC&) = delete;
  virtual ~CWinDC();

  // Answers the object that was selected before.
  virtual HGDIOBJ selectStockObject(int index);
  virtual void attach(HDC handle);
  // Both clear the DC handle; releaseTo() clears the flag, release() the window.
  virtual int releaseTo(HWND window);
  virtual int release();
  virtual int save();
  virtual BOOL restore(int saved);
  virtual COLORREF setBkColor(COLORREF color);
  virtual COLORREF setTextColor(COLORREF color);
  virtual int setMapMode(int mode);
  // The viewport and window operations answer the old origin or extent.
  virtual CWinPoint setViewportOrg(int x, int y);
  virtual CWinPoint offsetViewportOrg(int x, int y);
  virtual CWinPoint setViewportExt(int x, int y);
  virtual CWinPoint scaleViewportExt(int xNumerator, int xDenominator, int yNumerator, int yDenominator);
  virtual CWinPoint setWindowExt(int x, int y);
  virtual CWinPoint scaleWindowExt(int xNumerator, int xDenominator, int yNumerator, int yDenominator);
  virtual int getClipBox(RECT* rect);
  virtual BOOL ptVisible(int x, int y);
  virtual BOOL rectVisible(const RECT* rect);
  virtual BOOL textOut(int x, int y, const char* text, int count);
  virtual BOOL extTextOut(int x, int y, UINT options, const RECT* rect, const char* text, UINT count,
                          const INT* widths);
  // Answers the extent (width, height).
  virtual CWinPoint tabbedTextOut(int x, int y, const char* text, int count, int tabCount, const INT* tabStops,
                                  int tabOrigin);
  virtual int drawText(const char* text, int count, RECT* rect, UINT format);
  virtual BOOL grayString(HBRUSH brush, GRAYSTRINGPROC output, LPARAM data, int count, int x, int y, int width,
                          int height);
  virtual int escape(int code, int inputSize, const char* input, void* output);

  // The size (width, height) of count characters of text.
  CWinPoint getTextExtent(const char* text, int count) const;
  // The screen's logical pixels per inch, vertically.
  static int screenPixelsPerInch();

  HDC dc = nullptr;
  HWND window = nullptr;
  int flag = 0;
};

// The code page in which dc's 8-bit text is the program's text: UTF-8 where
// the program runs in it, and elsewhere the code page of the selected font's
// character set, in which the system's 8-bit text calls read it. (Those calls
// read UTF-8 in the font's code page too, which is why text in UTF-8 is
// measured and drawn through the 16-bit calls.)
UINT textCodePage(HDC dc);
// TextOutA for the program's text, in textCodePage(dc).
BOOL textOutInCodePage(HDC dc, int x, int y, const char* text, int count);
