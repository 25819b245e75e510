#pragma once
// CWinFrame: a top-level framework window with its own menu, accelerators and
// message loop. The frame owns the menu and accelerator table it loaded.
#include "framework/win/WinBase.h"

class CWinFrame : public CWinBase {
 public:
  CWinFrame() = default;
  ~CWinFrame() override;

  // Runs the default processing, then onCreateWindow(); a false hook answers
  // -1, which aborts the creation.
  LRESULT onCreate(CREATESTRUCTA* create) override;
  // Default: true.
  virtual bool onCreateWindow();

  bool loadAccelerators(const char* name);
  // Creates the window bound to this object (rect null: default position and
  // size), shows it and runs the message loop with the frame's accelerators
  // until the quit message. Answers 1, or 0 when the window cannot be made.
  int createAndRun(const char* className, const char* title, DWORD style, const RECT* rect, HWND parent,
                   const char* menuName, DWORD extendedStyle);

  HACCEL accelerators = nullptr;
  HMENU menu = nullptr;
};

// Answers WM_GETMINMAXINFO for a window that only grows in width, from
// minimumWidth on: its height is a caption, a menu bar, the window's own frame
// (a sizing frame is wider than a dialog frame) and clientHeight. The sizes
// are at 96 dots per inch and follow the window's scale.
void keepWindowHeight(HWND window, MINMAXINFO* limits, int minimumWidth, int clientHeight);

// Runs GetMessageA until the quit message, offering each message to the
// accelerator table (when there is one) aimed at window. Answers the quit
// message's wParam.
WPARAM runMessageLoop(HWND window, HACCEL accelerators);
