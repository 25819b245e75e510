// The install log reader and the removal plan made from what it read: no
// input may crash them, and no plan may name a path or key that the rules
// refuse: files and folders only inside the installation folder (or a
// program group, or folders that hold the installation folder), shortcuts
// only in a group or directly on a desktop, registry keys only those of the
// installation.
#include "installer/remove/RemovalPlan.h"
#include "installer/remove/RemovalRules.h"

#include <cstdlib>

namespace {

const char kProgram[] = "C:\\Program Files\\V\\Remove.exe";

void check(bool condition) {
  if (!condition) std::abort();
}

// Every uninstall entry of the machine starts this uninstaller, so that the
// plan takes the entries that the rules let through.
class OwnUninstallEntries : public RegistryTexts {
 public:
  bool read(RegistryEntry::Root root, const char*, const char*, CText& text) const override {
    text = CText("\"");
    text.append(kProgram);
    text.append('"');
    return root == RegistryEntry::kLocalMachine;
  }
};

RemovalPlaces fuzzPlaces() {
  RemovalPlaces places;
  places.windowsFolder = "C:\\WINDOWS";
  places.systemFolder = "C:\\WINDOWS\\SYSTEM";
  places.userPrograms = "C:\\Users\\x\\Programs";
  places.commonPrograms = "C:\\ProgramData\\Programs";
  places.userDesktop = "C:\\Users\\x\\Desktop";
  places.commonDesktop = "C:\\Users\\Public\\Desktop";
  places.systemPlaces = {"C:\\Program Files", places.userPrograms};
  places.logPath = "C:\\Program Files\\V\\Install.log";
  places.program = kProgram;
  return places;
}

bool endsWithLink(const CText& path) {
  return path.length() > 4 && CText(path.c_str() + path.length() - 4).compareNoCase(".lnk") == 0;
}

bool onDesktop(const CText& path, const RemovalPlaces& places) {
  CText folder = parentFolder(path.c_str());
  return samePath(folder.c_str(), places.userDesktop.c_str()) || samePath(folder.c_str(), places.commonDesktop.c_str());
}

void checkKey(const RemovalStep& step) {
  KeyOwner owner = keyOwner(step.root, step.key.c_str());
  check(owner != KeyOwner::kOther);
  if (owner == KeyOwner::kExtension && step.action == RemovalStep::kValue) check(step.valueName.empty() && step.association);
}

bool inGroup(const char* path, const RemovalPlan& plan, bool orGroupItself) {
  for (const CText& group : plan.groupFolders) {
    if (orGroupItself ? isSameOrInside(path, group.c_str()) : isInside(path, group.c_str())) return true;
  }
  return false;
}

void checkStep(const RemovalStep& step, const RemovalPlan& plan, const InstallLogRecord& log, const RemovalPlaces& places) {
  const char* path = step.path.c_str();
  switch (step.action) {
    case RemovalStep::kValue:
    case RemovalStep::kKey: return checkKey(step);
    case RemovalStep::kShortcut:
      check(isFullPath(path) && endsWithLink(step.path));
      check(inGroup(path, plan, false) || onDesktop(step.path, places));
      check(samePath(step.targetFolder.c_str(), log.destination.c_str()));
      return;
    case RemovalStep::kLog: check(samePath(path, places.logPath.c_str())); return;
    default:
      check(isFullPath(path) && !isRoot(path));
      check(!isSameOrInside(path, places.windowsFolder.c_str()));
      check(isSameOrInside(path, log.destination.c_str()) || inGroup(path, plan, true) ||
            (step.action == RemovalStep::kFolder && isInside(log.destination.c_str(), path)));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  InstallLogRecord log;
  if (!InstallLogReader::read(reinterpret_cast<const char*>(data), size, log)) return 0;
  check(isFullPath(log.destination.c_str()));
  RemovalPlaces places = fuzzPlaces();
  RemovalPlan plan = RemovalPlan::make(log, places, OwnUninstallEntries());
  bool ownFolder = samePath(log.destination.c_str(), parentFolder(kProgram).c_str());
  check(plan.damaged == !ownFolder);
  if (plan.damaged) check(plan.steps.empty());
  for (const CText& group : plan.groupFolders) {
    CText base = parentFolder(group.c_str());
    check(samePath(base.c_str(), places.userPrograms.c_str()) || samePath(base.c_str(), places.commonPrograms.c_str()));
  }
  for (const RemovalStep& step : plan.steps) checkStep(step, plan, log, places);
  return 0;
}
