#include "installer/phases/InstallRun.h"

#include "installer/phases/FilePhase.h"
#include "installer/phases/InstallResourceIds.h"
#include "installer/phases/InstallUser.h"
#include "installer/phases/RegistryPhase.h"
#include "installer/phases/RunPhase.h"
#include "installer/phases/ShortcutPhase.h"
#include "installer/script/EntryWalk.h"
#include "installer/script/SetupScript.h"

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
