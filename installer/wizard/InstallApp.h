#pragma once
// InstallApp: the installer's application object. It reads the command line,
// refuses to run beside another Install.exe, and installs either silently or
// through the preparing dialog, the background window with its wizard and
// installing dialog, and the final message; last of all it restarts the
// computer when the user agreed. Its exit code tells how the installation
// ended.
#include "framework/win/WinApp.h"

struct InstallCommandLine;

class InstallApp : public CWinApp {
 public:
  InstallApp();

  int instanceInit() override;
  int instanceExit() override { return exitCode_; }

 private:
  int runInteractively(const InstallCommandLine& options);
  int runSilently(const InstallCommandLine& options);
  // A message captioned "Setup", unless the run is silent.
  void tell(UINT textId, UINT icon, bool silent) const;

  int exitCode_;
};
