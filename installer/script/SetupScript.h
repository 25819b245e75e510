#pragma once
// SetupScript: the installer's model of its setup script: product texts,
// colours, destination and program group, the components with their entries,
// the options, and the size bookkeeping of the wizard. It owns every entry
// and the install log, which the wizard starts and the install phases write.
// The system's answers for the path macros come from a SetupEnvironment and
// payload sizes from a PayloadCatalog; both outlive the script.
#include "installer/script/CheckOption.h"
#include "installer/script/EntryLists.h"
#include "installer/script/InstallLog.h"
#include "installer/script/Selection.h"

#include <vector>

class ParseProgress;
class PayloadCatalog;
class SetupEnvironment;

class SetupScript : public EntryLists {
 public:
  static constexpr long kNoColour = -1;

  SetupScript(SetupEnvironment& environment, const PayloadCatalog& payloads);
  SetupScript(const SetupScript&) = delete;
  SetupScript& operator=(const SetupScript&) = delete;

  // Parses size bytes of script text (no terminator needed; a NUL inside ends
  // the text). Answers false, parsing nothing, when size is 1 or less; true
  // otherwise, also when there is no [MAIN] section. progress may be null.
  bool parse(const char* text, unsigned size, ParseProgress* progress = nullptr);

  // Replaces the path macros (%d, %i, %m, %p, %s, %t, %w, %~, %~~) and the
  // two macros of the uninstall entry in place: %k, the required size in
  // kilobytes as the wizard counts them, written in hexadecimal digits so that
  // it can stand in a "dword:" field, and %y, today's date as YYYYMMDD.
  // Answers false when a macro gave nothing (no destination, no program
  // group, an unreadable folder): such a path does not name the place the
  // script meant, and nothing may be written there.
  bool expand(CText& text);
  // The value of a variable: DESTINATIONPATH, ICONGROUP, RESTART or an
  // option's name ("TRUE"/"FALSE"); the empty text for anything else.
  CText lookup(const char* name) const;
  bool holds(const ConditionBlock& block) const;

  // Recomputes and stores the required size.
  long computeRequiredSize();
  // The wizard's click on a top-level component; the change of size is added
  // to the required size and answered.
  long toggleSelection(Selection& selection);

  int selectionCount() const { return static_cast<int>(selections.size()); }
  // [MAIN]'s shortcuts and those of its blocks, plus those of every
  // component (only chosen ones when chosenOnly) with its blocks.
  int shortcutCount(bool chosenOnly) const;
  int optionCount() const { return static_cast<int>(options.size()); }
  // Sets the state of the option whose check box has controlId; answers false
  // when there is none (control id 0 names no check box).
  bool setOptionState(unsigned controlId, bool checked);

  // Starts the install log at "%d\Install.log" with the product and the
  // destination (InstallLog::start); answers false, starting nothing, when
  // there is no destination.
  bool startLog();
  // Whether the uninstaller can take away what the installation made: the
  // log was written whole and the uninstall entry was not withheld for want
  // of the log or the uninstaller (RegistryPhase).
  bool removable() const { return !log.failed() && !uninstallEntryWithheld; }

  CText title;
  CText program;
  long backColour = 0xFF0000;  // red in the low byte: pure blue
  long fadeColour = kNoColour;
  long textColour = 0xFFFFFF;
  long shadeColour = kNoColour;
  long requiredSize = 0;
  unsigned char restartFlag = 0;
  bool uninstallEntryWithheld = false;
  CText destination;
  CText iconFolder;
  std::vector<Selection> selections;
  std::vector<CheckOption> options;
  InstallLog log;

 private:
  const CText& ownTemporaryFolder();
  CText macroText(char macro);

  SetupEnvironment& environment_;
  const PayloadCatalog& payloads_;
  CText temporaryFolder_;  // the "%~~" folder, found on first use
};
