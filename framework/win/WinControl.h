#pragma once
// CWinControl: one child control. The wrapper holds the handle but does not
// own the control; its parent destroys it.
#include "framework/core/Text.h"

#include <climits>

class CWinControl {
 public:
  CWinControl() = default;
  explicit CWinControl(HWND control) : hwnd(control) {}
  virtual ~CWinControl() = default;

  void attach(HWND control) { hwnd = control; }
  // A child of parent with the given id. False when creation fails.
  bool createControl(const char* className, const char* text, DWORD style, DWORD extendedStyle, HWND parent,
                     const RECT& rect, int id);
  // Removes, then adds style bits; with reposition, SetWindowPos applies them
  // with flags plus no-size, no-move, no-z-order and no-activate.
  void changeStyle(DWORD remove, DWORD add, bool reposition = false, UINT flags = 0);
  void clientToScreen(RECT* rect) const;
  void getText(CText& text) const;
  void setFont(HFONT font, bool redraw) const;
  // WM_SETREDRAW: false holds the control's drawing until true.
  void setRedraw(bool on) const;
  // Moves and sizes the control in its parent's client pixels; kKeep keeps
  // a value as it is. Nothing happens without a control.
  static const int kKeep = INT_MIN;
  void place(int x, int y, int width, int height) const;
  // Where the control is, in its parent's client pixels.
  RECT placement() const;

  HWND hwnd = nullptr;
};
