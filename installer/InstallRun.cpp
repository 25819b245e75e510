#include "installer/InstallRun.h"

#include "installer/EntryWalk.h"
#include "installer/FilePhase.h"
#include "installer/InstallResourceIds.h"
#include "installer/InstallUser.h"
#include "installer/RegistryPhase.h"
#include "installer/RunPhase.h"
#include "installer/SetupScript.h"
#include "installer/ShortcutPhase.h"

InstallRun::InstallRun(SetupScript& script, const PayloadSource& payloads, InstallUser& user)
    : script_(script), payloads_(payloads), user_(user) {}

void InstallRun::enterPhase(unsigned textId, bool clearStatus) {
  CText text;
  text.load(textId);
  user_.showPhase(text.c_str());
  if (clearStatus) user_.showStatus("");
}

bool InstallRun::run() {
  enterPhase(InstallString::kInitialising, false);
  user_.setProgressRange(installStepCount(script_) + 1);
  user_.stepProgress();
  script_.log.begin();
  enterPhase(InstallString::kCopyingFiles, false);
  if (!FilePhase(script_, payloads_, user_).run()) return false;
  enterPhase(InstallString::kUpdatingRegistry, true);
  if (!RegistryPhase(script_, user_).run()) return false;
  enterPhase(InstallString::kCreatingIcons, true);
  if (!ShortcutPhase(script_, user_).run()) return false;
  enterPhase(InstallString::kExecuting, true);
  if (!RunPhase(script_, payloads_, user_).run()) return false;
  script_.log.close();
  script_.restartFlag += 10;
  return true;
}
