#pragma once
// InstallCommandLine: the options of Install.exe. "/S" installs the script's
// defaults without the wizard and without any message; "/D=folder" names the
// destination: it must be the last option, and the rest of the line, blanks
// included, is the folder, an absolute path without quotes. Options match in
// any case; an option wholly in double quotes, as some programs pass their
// arguments, is read without them.
#include "framework/core/Text.h"

struct InstallCommandLine {
  enum Error { kNone, kUnknownOption, kInvalidDestination };

  bool silent = false;
  CText destination;  // empty: the script's own default
  Error error = kNone;

  // line: the command line after the program's name.
  static InstallCommandLine parse(const char* line);
};

// Exit codes of Install.exe.
constexpr int kExitComplete = 0;
constexpr int kExitAborted = 1;  // also a second Install.exe that was refused
constexpr int kExitBadCommandLine = 2;
constexpr int kExitRestartNeeded = 3010;

// A drive letter, a colon and a backslash ("C:\..."), or a network path
// ("\\server\share...").
bool isAbsolutePath(const char* path);
// The exit code of an installation from its final restart flag: complete
// (10), complete with files waiting for the next start of the system (11),
// or anything else: aborted. A run whose install log or uninstaller could
// not be written (not removable) is not complete either.
int installExitCode(unsigned char restartFlag, bool removable);
