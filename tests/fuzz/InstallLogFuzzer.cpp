// The install log reader and the removal plan made from what it read: no
// input may crash them, and no plan may name a path or key that the rules
// refuse.
#include "installer/remove/RemovalPlan.h"
#include "installer/remove/RemovalRules.h"

#include <cstdlib>

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

class NoRegistry : public RegistryTexts {
 public:
  bool read(RegistryEntry::Root, const char*, const char*, CText&) const override { return false; }
};

void checkStep(const RemovalStep& step, const InstallLogRecord& log, const RemovalPlaces& places) {
  switch (step.action) {
    case RemovalStep::kValue:
    case RemovalStep::kKey: check(keyOwner(step.root, step.key.c_str()) != KeyOwner::kOther); return;
    case RemovalStep::kShortcut: check(isFullPath(step.path.c_str())); return;
    case RemovalStep::kLog: return;
    default:
      check(isFullPath(step.path.c_str()) && !isRoot(step.path.c_str()));
      check(!isSameOrInside(step.path.c_str(), places.windowsFolder.c_str()));
      check(isSameOrInside(step.path.c_str(), log.destination.c_str()) ||
            isSameOrInside(step.path.c_str(), places.userPrograms.c_str()));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  InstallLogRecord log;
  if (!InstallLogReader::read(reinterpret_cast<const char*>(data), size, log)) return 0;
  check(isFullPath(log.destination.c_str()));
  RemovalPlaces places;
  places.windowsFolder = "C:\\WINDOWS";
  places.systemFolder = "C:\\WINDOWS\\SYSTEM";
  places.userPrograms = "C:\\Users\\x\\Programs";
  places.commonPrograms = "C:\\ProgramData\\Programs";
  places.systemPlaces = {"C:\\Program Files", places.userPrograms};
  places.logPath = "C:\\Program Files\\V\\Install.log";
  places.program = "C:\\Program Files\\V\\Remove.exe";
  RemovalPlan plan = RemovalPlan::make(log, places, NoRegistry());
  for (const RemovalStep& step : plan.steps) checkStep(step, log, places);
  return 0;
}
