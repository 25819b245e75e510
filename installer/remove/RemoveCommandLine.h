#pragma once
// RemoveCommandLine: the uninstaller's arguments. A user or the system's list
// of programs starts it with nothing or "/S" (silent: no questions, no
// messages). The uninstaller starts its own temporary copy with "/COPY", the
// two handles that the copy inherits (the pipe for its result and the first
// process, to wait for its end) and the path of the uninstaller that the user
// started, whose folder holds the install log.
#include "framework/core/Text.h"

struct RemoveCommandLine {
  bool valid = true;  // false: an argument that means nothing here
  bool silent = false;
  bool isCopy = false;
  unsigned long resultPipe = 0;    // the copy's inherited handles, as numbers
  unsigned long firstProcess = 0;
  CText program;

  // Reads the arguments after the program's name; blanks separate them and
  // double quotes group a path with blanks.
  static RemoveCommandLine parse(const char* arguments);
  // The whole command line that starts copy with these arguments.
  static CText forCopy(const char* copy, unsigned long resultPipe, unsigned long firstProcess, const char* program,
                       bool silent);
};
