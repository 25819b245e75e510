#pragma once
// The demo's report of what it observed: entries appended to the text of its
// log control, which the end-to-end test reads with WM_GETTEXT.
#include <windows.h>

#include <string>

class DemoLog {
 public:
  explicit DemoLog(HWND control) : control_(control) {}
  // Appends "entry;".
  void add(const std::string& entry) const;
  void addCommand(const char* prefix, UINT id, UINT code) const;

 private:
  HWND control_;
};
