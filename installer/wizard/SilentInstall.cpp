#include "installer/wizard/SilentInstall.h"

#include "framework/core/FileSystem.h"
#include "installer/phases/InstallRun.h"
#include "installer/phases/InstallUser.h"
#include "installer/phases/Win32SetupEnvironment.h"
#include "installer/script/InstallCommandLine.h"
#include "installer/script/InstallLogText.h"
#include "installer/script/SetupScript.h"
#include "installer/script/WizardRules.h"

#include <vector>

namespace {

class SilentUser : public InstallUser {
 public:
  void showPhase(const char*) override {}
  void showStatus(const char*) override {}
  void setProgressRange(int) override {}
  void stepProgress() override {}
  int ask(const char*, const char*, UINT style) override { return unattendedAnswer(style); }
  HWND owner() override { return nullptr; }
  bool stopRequested() override { return false; }
};

// Makes each missing level of folder and adds the levels above it that it
// made to madeParents, outermost first; answers whether folder exists
// afterwards.
bool makeFolders(const CText& folder, std::vector<CText>& madeParents) {
  for (int i = 3; i < static_cast<int>(folder.length()); ++i) {
    if (folder.at(i) != '\\') continue;
    CText parent = folder.left(i);
    if (CreateDirectoryA(parent.c_str(), nullptr)) madeParents.push_back(parent);
  }
  CreateDirectoryA(folder.c_str(), nullptr);
  return isFolder(folder.c_str());
}

// As the program-group page would: the log starts only when shortcuts need a
// group, and the group is a common one, as a silent run is elevated.
void chooseProgramGroup(SetupScript& script) {
  if (!WizardRules::showsProgramGroup(script)) return;
  script.startLog();
  CText name(script.iconFolder);
  CText base = shellFolder("Common Programs", true);
  if (name.empty() || base.empty()) {
    script.iconFolder.clear();
    return;
  }
  script.log.write(InstallLogText::iconGroup(name.c_str()));
  script.log.write(InstallLogText::iconUserGroup(false));
  script.iconFolder = base;
  script.iconFolder.append('\\');
  script.iconFolder.append(name);
}

}  // namespace

int installSilently(SetupScript& script, const PayloadSource& payloads, const CText& destination) {
  if (destination.empty()) {
    if (!script.expand(script.destination)) return kExitAborted;
  } else {
    script.destination = destination;
  }
  std::vector<CText> madeParents;
  if (script.destination.empty() || !makeFolders(script.destination, madeParents)) return kExitAborted;
  chooseProgramGroup(script);
  // The uninstaller removes the destination anyway; the folders above it
  // only when the log names them.
  for (const CText& parent : madeParents) script.log.write(InstallLogText::directory(parent.c_str()));
  SilentUser user;
  InstallRun(script, payloads, user).run();
  script.log.close();
  return installExitCode(script.restartFlag, script.removable());
}
