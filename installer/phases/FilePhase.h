#pragma once
// FilePhase: the first phase of an installation. Makes the directories and
// writes the payloads of the chosen components to their destinations. A file
// already there is judged by its version when the entry asks for that; one
// that cannot be deleted now is replaced at the next start of the system
// (".new" file, ".bak" backup, restart flag 1). Every directory and file made
// is logged.
#include "installer/script/EntryWalk.h"

class InstallUser;
class PayloadSource;
class SetupScript;

class FilePhase : private EntryVisitor {
 public:
  FilePhase(SetupScript& script, const PayloadSource& payloads, InstallUser& user);
  // Answers false when the user chose Abort or a stop was requested: the
  // installation ends there.
  bool run();

 private:
  enum Outcome { kWritten, kSkipped, kAbort };

  bool visit(EntryLists& lists) override;
  void skipped(ConditionBlock& block) override;
  void makeDirectory(FileEntry& entry);
  bool copyFile(FileEntry& entry);
  bool install(FileEntry& entry);
  bool confirmReplacingNewer(const CText& destination);
  Outcome writeAsking(const FileEntry& entry);
  void replaceAtRestart(const CText& realDestination, const CText& replacement);

  SetupScript& script_;
  const PayloadSource& payloads_;
  InstallUser& user_;
};
