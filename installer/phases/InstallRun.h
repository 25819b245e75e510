#pragma once
// InstallRun: a whole installation after the wizard, as the installation
// worker performs it: the install log that the wizard started is made, the
// file, registry, shortcut and run phases follow in turn, with their texts
// and progress, then the log is closed and 10 is added to the restart flag. The run talks to the user only through an
// InstallUser, so that a dialog or a silent run can drive it.
class InstallUser;
class PayloadSource;
class SetupScript;

class InstallRun {
 public:
  InstallRun(SetupScript& script, const PayloadSource& payloads, InstallUser& user);
  // Answers true when every phase ran. An Abort in the file phase, or a stop
  // requested at a safe point, ends the run early, leaving the restart flag
  // below 10 and the log open for its owner to close.
  bool run();

 private:
  void enterPhase(unsigned textId, bool clearStatus);

  SetupScript& script_;
  const PayloadSource& payloads_;
  InstallUser& user_;
};
