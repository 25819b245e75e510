#pragma once
// RegistryPhase: the second phase of an installation. Creates the keys and
// sets, keeps (nochange) or deletes the values of the chosen components' REG
// entries, and logs every key made and value set. When a key or value of the
// classes root was written, the shell is told once that file associations
// changed. The uninstall entry (UninstallEntry) is written only when the
// install log is open and whole and the uninstaller it starts is there;
// otherwise it is withheld, and the script says so.
#include "installer/script/EntryWalk.h"

class InstallUser;
class SetupScript;

class RegistryPhase : private EntryVisitor {
 public:
  RegistryPhase(SetupScript& script, InstallUser& user);
  // Answers false when a stop was requested.
  bool run();

 private:
  bool visit(EntryLists& lists) override;
  void execute(const RegistryEntry& entry);
  bool uninstallEntryWorks();

  SetupScript& script_;
  InstallUser& user_;
  bool associationsChanged_ = false;
  bool writesUninstallEntry_ = true;
};
