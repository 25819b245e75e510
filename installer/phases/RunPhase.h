#pragma once
// RunPhase: the last phase of an installation. Runs the chosen components'
// RUN commands: a message box, a process (with its show mode, and waited for
// when asked), deleting, removing or making a file or directory, writing a
// payload, or handing a document or program to the shell. A failing copy
// ends the phase; nothing else does. Commands leave no log lines.
#include "installer/script/EntryWalk.h"

class InstallUser;
class PayloadSource;
class SetupScript;
struct RunCommand;

class RunPhase : private EntryVisitor {
 public:
  RunPhase(SetupScript& script, const PayloadSource& payloads, InstallUser& user);
  // Answers false when a stop was requested; a failing command still lets
  // the installation count as complete.
  bool run();

 private:
  bool visit(EntryLists& lists) override;
  bool execute(const RunEntry& entry);
  void showMessage(const RunCommand& command);
  void startProcess(const RunCommand& command);
  bool copyPayload(const RunCommand& command);

  SetupScript& script_;
  const PayloadSource& payloads_;
  InstallUser& user_;
  bool stopped_ = false;
};
