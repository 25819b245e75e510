#pragma once
// "ZTK3DSTATIC": a self-drawn text field whose text carries in-line colour and
// font codes (CRichText). Style bit 0x8000 draws a sunken frame. Text that does
// not fit is cut at the last whole character before the right edge less 3
// pixels (at 96 dots per inch; the frame and the insets follow the control's
// scale). WM_GETTEXT and WM_GETTEXTLENGTH answer the text without its codes, so
// that screen readers and automation read what the control shows.
//
// The object is the control's state block: the window procedure creates it at
// WM_CREATE, reaches it through GWLP_USERDATA and deletes it at WM_DESTROY.
#include "framework/core/RichText.h"
#include "framework/core/Win32.h"
#include "framework/win/DisplayScale.h"
#include "framework/win/ScaledFonts.h"
#include "framework/win/SelfDrawnControl.h"

#include <string>

class CThreeDStatic {
 public:
  static const char kClassName[];
  static const LONG kSunken = 0x8000;

  // Registers the class for instance; false when the system refuses it.
  static bool registerClass(HINSTANCE instance);

 private:
  friend class CSelfDrawnControl<CThreeDStatic>;

  explicit CThreeDStatic(HWND window);

  static LRESULT create(HWND window, const CREATESTRUCTA* create);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  void setText(const char* text);
  LRESULT copyPlainText(char* buffer, WPARAM size) const;
  void repaint();
  void paint();
  void drawFrame(HDC dc, const RECT& client, const CDisplayScale& scale, HBRUSH face, HBRUSH light,
                 HBRUSH shadow) const;
  void drawText(HDC dc, const RECT& client, const CDisplayScale& scale, CScaledFonts& codedFonts) const;
  int drawRun(HDC dc, const char* run, int count, int& left, int limit, const RECT& box) const;

  HWND window_;
  CRichText text_;
  HFONT font_;
};
