#pragma once
// RemovalReport: what became of each step of a removal plan and each line
// the plan refused, gathered for the final message and the exit code.
#include "installer/remove/RemovalPlan.h"

#include <vector>

class RemovalReport {
 public:
  enum Outcome {
    kRemoved,
    kAbsent,      // already gone: nothing to say
    kScheduled,   // removed when the computer restarts
    kKept,        // left by a rule, as a folder that holds the learner's files
    kNotRemoved,  // refused or failed
  };
  // The exit codes of the uninstaller.
  enum : int { kComplete = 0, kIncomplete = 1, kRestartNeeded = 3010 };

  struct Item {
    CText what;  // a path, a key or a log line
    int line = 0;
    RemovalReason reason = RemovalReason::kNone;
    unsigned long error = 0;  // the system's error code for kError
  };

  void record(const RemovalStep& step, Outcome outcome, RemovalReason reason = RemovalReason::kNone,
              unsigned long error = 0);
  void refuse(const RefusedLine& line);
  // kIncomplete when anything was refused or failed, else kRestartNeeded when
  // anything waits for the restart, else kComplete. Kept items are by rule
  // and change nothing.
  int exitCode() const;

  int removedShortcuts = 0, removedFiles = 0, removedFolders = 0, removedRegistry = 0;
  std::vector<Item> scheduled, kept, notRemoved;
};
