#pragma once
// Remover: carries out the steps of a removal plan against the file system
// and the registry and records each outcome in a report. Files are deleted
// only when they are plain files, folders only when empty, keys only when
// empty, shortcuts only when they start something in the installation
// folder, and a file changed after the installation is the learner's and
// stays. Every path is judged by where it leads: nothing is reached through
// a junction or symbolic link, and an item that is itself a link stays
// (a folder link may go as a link). A file in use waits for the next
// restart, and so does a folder that holds nothing else. Windows only.
#include "installer/remove/RemovalPlan.h"
#include "installer/remove/RemovalReport.h"

#include <windows.h>

#include <set>
#include <string>

class RemovalUser {
 public:
  virtual ~RemovalUser() = default;
  // A program file is in use: answers true when the user has closed the
  // program and wants another try, false to leave the file for the restart.
  virtual bool retryProgramInUse(const char* path) = 0;
};

class Remover {
 public:
  Remover(const RemovalPlan& plan, RemovalUser& user, RemovalReport& report);
  // Carries out steps [first, end) of the plan. The shell hears of a changed
  // file association at the end.
  void run(size_t first, size_t end);
  // What the steps from first on will most likely come to once the
  // uninstaller's own program has ended, recorded in report: the program
  // removed, and each folder removed when nothing but that program, the
  // folders foreseen removed before it and what waits for the restart is
  // left in it.
  void foresee(size_t first, RemovalReport& report) const;

 private:
  enum Contents { kEmpty, kOnlyScheduled, kOther };

  void carryOut(const RemovalStep& step);
  void removeFile(const RemovalStep& step);
  void removeFolder(const RemovalStep& step);
  void removeValue(const RemovalStep& step);
  void removeKey(const RemovalStep& step);
  bool deleteWaiting(const RemovalStep& step, bool mayAsk);
  void schedule(const RemovalStep& step);
  static ULONGLONG lastWriteTime(const CText& path);
  bool changedSinceInstalled(const RemovalStep& step) const;
  RemovalReason whereItLeads(const RemovalStep& step, DWORD* error) const;
  bool leftForWhereItLeads(const RemovalStep& step);
  bool reachedThroughLink(const RemovalStep& step) const;
  // alsoGone: lower-cased paths to count as gone already.
  Contents contents(const CText& folder, const std::set<std::string>* alsoGone) const;
  void recordMissing(const RemovalStep& step, DWORD error);

  const RemovalPlan& plan_;
  RemovalUser& user_;
  RemovalReport& report_;
  std::set<std::string> scheduled_;  // lower-cased paths that wait for the restart
  bool associationsChanged_ = false;
  ULONGLONG installedAt_ = 0;  // when the installer closed its log
};
