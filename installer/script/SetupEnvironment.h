#pragma once
// SetupEnvironment: the system's answers that the path macros of the setup
// script need. The installer answers with Win32 calls; tests with fixed texts.
#include "framework/core/Text.h"

class SetupEnvironment {
 public:
  virtual ~SetupEnvironment() = default;
  // The short (8.3) form of path, or path itself when it has none.
  virtual CText shortPath(const char* path) = 0;
  // "ProgramFilesDir" of the local machine's Windows key; empty when unreadable.
  virtual CText programFilesFolder() = 0;
  // "Desktop" of the current user's shell folders; empty when unreadable.
  virtual CText desktopFolder() = 0;
  virtual CText systemFolder() = 0;
  virtual CText windowsFolder() = 0;
  virtual CText temporaryFolder() = 0;
  // Today's date in the local time zone as "YYYYMMDD".
  virtual CText localDate() = 0;
  virtual bool folderExists(const char* path) = 0;
};
