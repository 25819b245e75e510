#pragma once
// SelfCopy: a program cannot delete its own file while it runs, so the
// uninstaller does its work in a copy of itself. The first process copies
// its program into a new folder of the temporary folder that only the
// current user and the administrators may open, starts the copy with the
// handles it needs and waits for the result that the copy reports. The copy
// reports as soon as it knows the result, so that the first process can end
// and its program be deleted; the copy then leaves its own file and folder to
// be removed at the next restart. Windows only.
#include "installer/remove/RemoveCommandLine.h"

#include <windows.h>

class SelfCopy {
 public:
  // In the first process: answers true and the copy's result once the copy
  // has reported it or ended; false when the copy could not be made or
  // started, with folder naming the temporary folder tried.
  static bool run(const CText& program, bool silent, DWORD& result, CText& folder);

  // In the copy: hands the result to the first process and lets it end.
  static void report(const RemoveCommandLine& line, DWORD result);
  // In the copy: waits until the first process has ended.
  static void waitForFirstProcess(const RemoveCommandLine& line);
  // In the copy: asks the system to delete the copy's file and folder at the
  // next restart, when the folder is one that run() made.
  static void scheduleOwnRemoval();
};
