#pragma once
// RemoveProgram: the uninstaller from start to end. Started by the user (or
// by the system's list of programs) it refuses to run twice, reads the install
// log beside its own program, asks once, and hands the work to a temporary
// copy of itself (SelfCopy); its exit code is the copy's. The copy carries
// out the removal plan, shows the final message, reports its result and
// then removes the program the user started. With /S nothing is asked or
// shown. Windows only.
#include "installer/remove/InstallLogReader.h"
#include "installer/remove/RemoveCommandLine.h"
#include "installer/remove/Remover.h"

class RemoveProgram : private RemovalUser {
 public:
  explicit RemoveProgram(const RemoveCommandLine& line) : line_(line) {}
  // Answers the exit code: 0 all removed, 3010 something waits for the next
  // restart, 1 something could not be removed or nothing was.
  int run();

 private:
  int runFirst();
  int runCopy();
  bool readLog(const CText& program, InstallLogRecord& log);
  bool readPlan(const CText& program, InstallLogRecord& log, RemovalPlan& plan);
  CText product(const InstallLogRecord& log) const;
  bool retryProgramInUse(const char* path) override;
  // A message box unless silent; answers the button chosen.
  int tell(const CText& text, UINT style);
  int tell(UINT id, const char* argument, UINT style);

  RemoveCommandLine line_;
};
