#pragma once
// RunCommand: a RUN line read at the moment it runs, with its macros expanded
// and its variables looked up in the script.
#include "framework/core/Text.h"

class SetupScript;
class ValueCursor;

struct RunCommand {
  enum Kind { kOpen, kMessageBox, kExec, kDelete, kRemoveDirectory, kMakeDirectory, kCopy };
  // The platform's show commands (SW_HIDE...); kShowDefault lets the started
  // program choose.
  enum Show {
    kShowHide = 0,
    kShowNormal = 1,
    kShowMinimized = 2,
    kShowMaximized = 3,
    kShowNoActivate = 4,
    kShowDefault = 10,
  };

  Kind kind = kOpen;
  // kOpen: the whole value with its macros expanded. Otherwise the first
  // argument: message text, command line, path or payload name.
  CText first;
  CText second;  // message caption or copy destination
  bool hasSecond = false;
  Show show = kShowDefault;  // kExec only
  bool wait = false;  // kExec only
  // False when a macro in an argument gave nothing, so that a path does not
  // name the place the script meant.
  bool macrosFilled = true;

  // Reads a RUN value. A command word with parentheses (msgbox, exec, delete,
  // erase, rmdir, mkdir, copy, in any case) gives that command; anything else
  // is a document or program to open.
  static RunCommand read(const char* value, SetupScript& script);
};

// Reads one argument of a command at the cursor position: a quoted text with
// backslash escapes, or a variable name whose value is looked up. The result
// has its macros expanded; filled, when given, is cleared when a macro gave
// nothing.
CText readRunArgument(ValueCursor& cursor, SetupScript& script, bool* filled = nullptr);
