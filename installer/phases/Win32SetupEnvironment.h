#pragma once
// Win32SetupEnvironment: the system's own answers for the path macros of the
// setup script.
#include "installer/script/SetupEnvironment.h"

class Win32SetupEnvironment : public SetupEnvironment {
 public:
  CText shortPath(const char* path) override;
  CText programFilesFolder() override;
  CText desktopFolder() override;
  CText systemFolder() override;
  CText windowsFolder() override;
  CText temporaryFolder() override;
  CText localDate() override;
  bool folderExists(const char* path) override;
};

// The short (8.3) form of path, or path itself when the system gives none.
CText shortPathName(const char* path);
// A folder of the shell's list ("Shell Folders" of Explorer): the current
// user's, or with common the local machine's, such as "Programs" or
// "Common Desktop"; empty when it cannot be read.
CText shellFolder(const char* name, bool common);
