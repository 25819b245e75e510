#pragma once
// InstallLogReader: reads "Install.log", the record that the installer leaves
// in the destination folder, for the uninstaller. Every line is a key, "=",
// a text and a line end; the first line is "[INSTALL]". The log may be cut
// short by an installation that ended part way, or edited by hand, so each
// line is taken only as far as it can be understood; the others are set
// aside with their numbers and reasons, never guessed at.
#include "installer/remove/RemovalReason.h"
#include "installer/script/RegistryEntry.h"

#include "framework/core/Text.h"

#include <cstddef>
#include <vector>

// One thing that the installation made, as a line of the log names it.
struct LogEntry {
  enum Kind { kDirectory, kFile, kRegistry, kShortcut };
  Kind kind = kFile;
  int line = 0;  // 1 is the "[INSTALL]" line
  CText text;    // the whole line, for reports
  CText path;    // a directory, file or shortcut
  RegistryEntry::Root root = RegistryEntry::kNoRoot;  // a registry line:
  CText key;
  bool hasValue = false;  // false: the key itself
  CText valueName;        // empty: the key's default value
};

// A line that names nothing the uninstaller may act on.
struct RefusedLine {
  int line = 0;  // 0 when no single line is to blame
  CText text;
  RemovalReason reason = RemovalReason::kNone;
};

// A program group that an installation made its shortcuts in: an ICONGROUP
// line with the ICONUSERGROUP line after it. A log that several
// installations wrote names the group of each.
struct LogGroup {
  CText name;  // as typed
  int line = 0;
  bool userGroup = true;  // false: a group of all users
};

struct InstallLogRecord {
  CText title;        // the product, as the installer named it
  CText destination;  // the installation folder, a full path
  int destinationLine = 0;
  std::vector<LogGroup> groups;   // in the order of the log
  std::vector<LogEntry> entries;  // in the order of the log
  std::vector<RefusedLine> skipped;
};

class InstallLogReader {
 public:
  // Reads size bytes of log text into record. Answers false when the text is
  // no install log or is damaged past use: it does not start with the
  // "[INSTALL]" line, holds a NUL byte, or names no destination that is a
  // full path. Lines may end in LF or CR LF.
  static bool read(const char* text, size_t size, InstallLogRecord& record);
};
