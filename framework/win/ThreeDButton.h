#pragma once
// "ZTK3DBUTTON": a self-drawn push button with a raised or flat border,
// optional bitmaps, a shadowed caption, hot tracking and its own notification
// codes, sent to the parent as WM_COMMAND (id in the low word of wParam, code
// in the high word, the control in lParam).
//
// The object is the control's state block: the window procedure creates it at
// WM_CREATE, reaches it through GWLP_USERDATA and deletes it at WM_DESTROY.
// Bitmaps stay owned by the caller and must outlive the control's use of them.
#include "framework/core/Win32.h"
#include "framework/win/DisplayScale.h"
#include "framework/win/SelfDrawnControl.h"

#include <string>

class CThreeDButton {
 public:
  static const char kClassName[];

  // Style bits (low word of the window style).
  static const LONG kDefault = 0x0001;
  static const LONG kCaptionLeft = 0x0100;
  static const LONG kCaptionRight = 0x0200;
  static const LONG kBitmapLeft = 0x0400;
  static const LONG kFlat = 0x0800;
  static const LONG kMultiLine = 0x2000;
  static const LONG kBorder = 0x8000;

  // Notification codes.
  enum Notification : WORD {
    kClicked = 0,
    kPointerEntered = 10,
    kPointerLeft = 11,
    kPressed = 12,
    kReleased = 13,
    kDoubleClicked = 14,
    kGotFocus = 15,
    kLostFocus = 16,
  };

  // Private messages.
  static const UINT kUpdateDefaultLook = WM_USER + 8;
  static const UINT kIsDefault = WM_USER + 9;
  static const UINT kSetNormalBitmap = WM_USER + 10;
  static const UINT kSetDisabledBitmap = WM_USER + 11;
  static const UINT kSetHotBitmap = WM_USER + 12;
  static const UINT kGetNormalBitmap = WM_USER + 13;
  static const UINT kGetDisabledBitmap = WM_USER + 14;
  static const UINT kGetHotBitmap = WM_USER + 15;
  static const UINT kSetColor = WM_USER + 16;  // wParam index 0..5, lParam colour
  static const UINT kGetColor = WM_USER + 17;  // -1 for an index above 5
  static const UINT kGetPressed = WM_USER + 18;

  // Colour table: (main, shadow) caption colours when disabled, normal, and
  // flat while not hot.
  enum ColorIndex { kDisabledMain, kDisabledShadow, kNormalMain, kNormalShadow, kFlatMain,
                    kFlatShadow, kColorCount };

  // Pressed flags.
  static const BYTE kMouseHeld = 1;
  static const BYTE kSpaceHeld = 2;

  // Registers the class for instance; false when the system refuses it.
  static bool registerClass(HINSTANCE instance);

 private:
  friend class CSelfDrawnControl<CThreeDButton>;

  explicit CThreeDButton(HWND window);
  ~CThreeDButton();

  static LRESULT create(HWND window, const CREATESTRUCTA* create);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handlePrivate(UINT message, WPARAM wParam, LPARAM lParam);
  LONG style() const { return GetWindowLongA(window_, GWL_STYLE); }
  bool alive() const;
  bool notify(WORD code);
  void repaint();
  void setStyle(WPARAM newStyle, LPARAM redraw);
  void updateDefaultLook();
  void killFocus(HWND next);
  void mouseDown();
  void mouseMove(WPARAM keys, LPARAM point);
  void mouseUp(LPARAM point);
  void hotTimer();
  void spaceDown();
  void spaceUp();
  void finishPress();
  void paint();
  void drawBorder(HDC dc, RECT& area, int w, HBRUSH face, HBRUSH const shades[4]) const;
  void drawContent(HDC dc, RECT area, const CDisplayScale& scale) const;
  HBITMAP currentBitmap() const;

  HWND window_;
  std::string caption_;
  HFONT font_;
  BYTE pressed_ = 0;
  BYTE hot_ = 0;
  BYTE suppressed_ = 0;
  HBITMAP normalBitmap_ = nullptr;
  HBITMAP disabledBitmap_ = nullptr;
  HBITMAP hotBitmap_ = nullptr;
  COLORREF colors_[kColorCount];
};
