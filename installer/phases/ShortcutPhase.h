#pragma once
// ShortcutPhase: the third phase of an installation. Makes the program-group
// folder and the chosen components' shortcuts through the shell's link
// object: each points at its target and starts in the target's folder, and
// the folder of the link itself is made when it is missing. A target that is
// not there (a file the user skipped) gets no shortcut. Every shortcut
// entry is logged, made or not. Without a program group nothing is made at
// all, desktop shortcuts included. The phase initialises the component object
// model on its thread for its own run.
#include "installer/script/EntryWalk.h"

class InstallUser;
class SetupScript;

class ShortcutPhase : private EntryVisitor {
 public:
  ShortcutPhase(SetupScript& script, InstallUser& user);
  // Answers false when a stop was requested.
  bool run();

 private:
  bool visit(EntryLists& lists) override;
  void execute(const ShortcutEntry& entry);

  SetupScript& script_;
  InstallUser& user_;
};
