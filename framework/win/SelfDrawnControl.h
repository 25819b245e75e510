#pragma once
// The registration and window procedure that the framework's self-drawn
// controls share. The Control object is the window's state block:
// Control::create makes it at WM_CREATE and stores it in GWLP_USERDATA
// (answering -1 when it cannot), later messages go to its handle(), and it is
// deleted at WM_DESTROY. Exceptions stop at the procedure. The procedure also
// keeps each control's font (its font_, drawn in after repaint()).
#include "framework/core/Win32.h"

template <class Control>
class CSelfDrawnControl {
 public:
  // False when the system refuses the class.
  static bool registerClass(HINSTANCE instance, const char* name, UINT style) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = style;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    return RegisterClassExA(&windowClass) != 0;
  }

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
      if (message == WM_CREATE) return Control::create(window, reinterpret_cast<CREATESTRUCTA*>(lParam));
      auto* control = reinterpret_cast<Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
      if (!control) return DefWindowProcA(window, message, wParam, lParam);
      if (message == WM_DESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        delete control;
        return 0;
      }
      if (message == WM_SETFONT || message == WM_GETFONT) return answerFont(*control, message, wParam, lParam);
      return control->handle(message, wParam, lParam);
    } catch (...) {
      return message == WM_CREATE ? -1 : 0;
    }
  }

  // Every self-drawn control draws in the font it was given last.
  static LRESULT answerFont(Control& control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETFONT) return reinterpret_cast<LRESULT>(control.font_);
    control.font_ = reinterpret_cast<HFONT>(wParam);
    if (LOWORD(lParam)) control.repaint();
    return 0;
  }
};
