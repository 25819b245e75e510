#pragma once
// LayoutCheck: whether a window of another process is whole at a display
// scale: every visible control inside its parent's client area; no two
// visible controls overlapping (group boxes, lines, frames, up-down arrows and
// tab controls aside); the text of every single-line static, push button,
// check box and radio button fitting its control; every toolbar button inside
// the toolbar's visible part; a top-level window on the screen. Child dialogs
// (property pages) are checked with their controls. Fonts cannot be read from
// another process: a control's font is the one its program gives it at the
// scale, that of the dialog template (from the program's file) holding its
// id, the default GUI font for controls a program makes, the message font in
// dialogs the system makes. The test process must run at the screen's scale.
#include <windows.h>

#include <set>
#include <string>
#include <vector>

namespace e2e {

class LayoutCheck {
 public:
  // Reads the dialog templates of the program's file, for windows drawn at
  // dpi (0: the screen's).
  explicit LayoutCheck(const std::string& programPath, int dpi = 0);

  // The faults of window, one line each naming the control; empty when the
  // window is whole.
  std::vector<std::string> faults(HWND window) const;

 private:
  struct Template {
    LOGFONTA font;
    std::set<int> ids;
  };

  void checkChildren(HWND parent, std::vector<std::string>* faults) const;
  void checkText(HWND control, int room, std::vector<std::string>* faults) const;
  LOGFONTA fontOf(HWND control) const;
  const Template* templateOf(HWND dialog) const;

  std::vector<Template> templates_;
  int dpi_;
  LOGFONTA guiFont_, messageFont_;
};

// The faults as one text for a check's message.
std::string joined(const std::vector<std::string>& faults);

}  // namespace e2e
