#include "installer/remove/RemovalPlan.h"

#include "installer/remove/RemovalRules.h"
#include "installer/script/SectionIndex.h"

#include <algorithm>
#include <cstring>

namespace {

std::string lowered(const CText& text) { return lowerName(text.c_str(), text.length()); }

bool inSystemFolder(const CText& path, const RemovalPlaces& places) {
  return (!places.windowsFolder.empty() && isSameOrInside(path.c_str(), places.windowsFolder.c_str())) ||
         (!places.systemFolder.empty() && isSameOrInside(path.c_str(), places.systemFolder.c_str()));
}

bool isSystemPlace(const CText& path, const RemovalPlaces& places) {
  if (isRoot(path.c_str())) return true;
  for (const CText& place : places.systemPlaces) {
    if (samePath(path.c_str(), place.c_str())) return true;
  }
  return false;
}

// The installer puts desktop shortcuts straight onto the desktop.
bool onDesktop(const CText& path, const RemovalPlaces& places) {
  CText folder = parentFolder(path.c_str());
  for (const CText* desktop : {&places.userDesktop, &places.commonDesktop}) {
    if (!desktop->empty() && samePath(folder.c_str(), desktop->c_str())) return true;
  }
  return false;
}

bool endsWithLink(const CText& path) {
  std::string text = lowered(path);
  return text.size() > 4 && text.compare(text.size() - 4, 4, ".lnk") == 0;
}

// A root the log does not name reads as HKU.
const char* rootWord(RegistryEntry::Root root) { return RegistryEntry::rootName(root, "HKU"); }

RemovalStep pathStep(RemovalStep::Action action, const LogEntry* entry, const CText& path, const CText& linkFreeFrom) {
  RemovalStep step;
  step.action = action;
  step.line = entry ? entry->line : 0;
  step.path = path;
  step.linkFreeFrom = linkFreeFrom;
  return step;
}

std::string registryName(RegistryEntry::Root root, const CText& key) {
  return std::string(rootWord(root)) + "\\" + lowered(key);
}

// The extension's key holds nothing of the installation but the class it
// names; an uninstall entry of that name may be another installation's.
RemovalReason registryProblem(const LogEntry& entry, KeyOwner owner, const RemovalPlaces& places,
                              const RegistryTexts& registry) {
  switch (owner) {
    case KeyOwner::kOther: return RemovalReason::kForeignKey;
    case KeyOwner::kExtension:
      return entry.hasValue && !entry.valueName.empty() ? RemovalReason::kForeignKey : RemovalReason::kNone;
    case KeyOwner::kUninstallEntry: {
      CText command;
      bool ours = registry.read(entry.root, entry.key.c_str(), "UninstallString", command) &&
                  startsProgram(command.c_str(), places.program.c_str());
      return ours ? RemovalReason::kNone : RemovalReason::kOtherUninstallEntry;
    }
    default: return RemovalReason::kNone;
  }
}

int depth(const CText& path) { return static_cast<int>(std::count(path.c_str(), path.c_str() + path.length(), '\\')); }

// Values before keys, and a key or folder after those inside it: the
// deeper first.
bool removedEarlier(const RemovalStep& a, const RemovalStep& b) {
  bool aValue = a.action == RemovalStep::kValue, bValue = b.action == RemovalStep::kValue;
  if (aValue || bValue) return aValue && !bValue;
  return depth(a.action == RemovalStep::kKey ? a.key : a.path) > depth(b.action == RemovalStep::kKey ? b.key : b.path);
}

// Everything else the plan allows is judged against the log's installation
// folder, so an edited PATH line could hand the whole disk to the uninstaller.
bool namesOwnFolder(const InstallLogRecord& log, const RemovalPlaces& places) {
  const char* destination = log.destination.c_str();
  return samePath(destination, parentFolder(places.program.c_str()).c_str()) &&
         samePath(destination, parentFolder(places.logPath.c_str()).c_str());
}

}  // namespace

CText RemovalStep::describe() const {
  if (action != kValue && action != kKey) return path;
  CText text(rootWord(root));
  text.append('\\');
  text.append(key);
  if (action == kValue) {
    text.append(" \"");
    text.append(valueName);
    text.append('"');
  }
  return text;
}

RemovalPlan RemovalPlan::make(const InstallLogRecord& log, const RemovalPlaces& places, const RegistryTexts& registry) {
  RemovalPlan plan;
  if (!namesOwnFolder(log, places)) {
    plan.refuseDestination(log);
    return plan;
  }
  plan.refused = log.skipped;
  for (const LogEntry& entry : log.entries) {
    if (entry.kind != LogEntry::kRegistry || keyOwner(entry.root, entry.key.c_str()) != KeyOwner::kClass) continue;
    int slash = entry.key.find('\\');
    plan.ownClasses_.insert(lowered(slash < 0 ? entry.key : entry.key.left(slash)));
  }
  plan.findGroupFolders(log, places);
  plan.addShortcuts(log, places);
  plan.addFiles(log, places, LogEntry::kFile);
  size_t firstRegistryStep = plan.steps.size();
  plan.addRegistry(log, places, registry);
  plan.sortInnerFirst(firstRegistryStep);
  size_t firstFolderStep = plan.steps.size();
  plan.addFiles(log, places, LogEntry::kDirectory);
  plan.sortInnerFirst(firstFolderStep);
  plan.addGroupFolders(places);
  plan.addTail(log, places);
  std::stable_sort(plan.refused.begin(), plan.refused.end(),
                   [](const RefusedLine& a, const RefusedLine& b) { return a.line < b.line; });
  return plan;
}

bool RemovalPlan::ownsClass(const char* name) const { return ownClasses_.count(lowerName(name, std::strlen(name))) > 0; }

void RemovalPlan::refuse(const LogEntry& entry, RemovalReason reason) {
  RefusedLine line;
  line.line = entry.line;
  line.text = entry.text;
  line.reason = reason;
  refused.push_back(line);
}

void RemovalPlan::refuseHeadLine(int number, const char* key, const CText& value, RemovalReason reason) {
  RefusedLine line;
  line.line = number;
  line.text = CText(key);
  line.text.append('=');
  line.text.append(value);
  line.reason = reason;
  refused.push_back(line);
}

void RemovalPlan::refuseDestination(const InstallLogRecord& log) {
  damaged = true;
  refuseHeadLine(log.destinationLine, "PATH", log.destination, RemovalReason::kOtherDestination);
}

// A group's folder is the programs folder of the user or of all users and
// the group's name, which must be one plain folder name: "..", a drive or a
// path would lead out of the programs folder.
void RemovalPlan::findGroupFolders(const InstallLogRecord& log, const RemovalPlaces& places) {
  for (const LogGroup& group : log.groups) {
    const CText& base = group.userGroup ? places.userPrograms : places.commonPrograms;
    if (group.name.empty() || base.empty()) continue;
    CText folder(base);
    folder.append('\\');
    folder.append(group.name);
    if (group.name.find('\\') >= 0 || group.name.find('/') >= 0 || !isFullPath(folder.c_str())) {
      refuseHeadLine(group.line, "ICONGROUP", group.name, RemovalReason::kBadGroupName);
    } else if (std::none_of(groupFolders.begin(), groupFolders.end(),
                            [&](const CText& known) { return samePath(known.c_str(), folder.c_str()); })) {
      groupFolders.push_back(folder);
    }
  }
}

const CText* RemovalPlan::groupHolding(const CText& path) const {
  for (const CText& folder : groupFolders) {
    if (isInside(path.c_str(), folder.c_str())) return &folder;
  }
  return nullptr;
}

void RemovalPlan::addShortcuts(const InstallLogRecord& log, const RemovalPlaces& places) {
  for (auto entry = log.entries.rbegin(); entry != log.entries.rend(); ++entry) {
    if (entry->kind != LogEntry::kShortcut) continue;
    const CText& path = entry->path;
    const CText* group = groupHolding(path);
    bool inGroup = group != nullptr;
    RemovalReason problem = RemovalReason::kNone;
    if (!isFullPath(path.c_str())) problem = RemovalReason::kNotFullPath;
    else if (!endsWithLink(path)) problem = RemovalReason::kNotShortcut;
    else if (!inGroup && !onDesktop(path, places)) problem = RemovalReason::kNotShortcutPlace;
    if (problem != RemovalReason::kNone) {
      refuse(*entry, problem);
      continue;
    }
    RemovalStep step = pathStep(RemovalStep::kShortcut, &*entry, path, inGroup ? *group : CText());
    step.targetFolder = log.destination;
    steps.push_back(step);
    if (inGroup) noteGroupSubfolders(path, *group);
  }
}

// The installer makes the folders between a shortcut and its group without
// logging them.
void RemovalPlan::noteGroupSubfolders(const CText& shortcut, const CText& group) {
  for (CText folder = parentFolder(shortcut.c_str()); isInside(folder.c_str(), group.c_str());
       folder = parentFolder(folder.c_str())) {
    if (groupSubfolders_.insert(lowered(folder)).second) groupSubfolderPaths_.push_back(folder);
  }
}

void RemovalPlan::addFiles(const InstallLogRecord& log, const RemovalPlaces& places, LogEntry::Kind kind) {
  const CText& destination = log.destination;
  for (auto entry = log.entries.rbegin(); entry != log.entries.rend(); ++entry) {
    if (entry->kind != kind) continue;
    const CText& path = entry->path;
    bool folder = kind == LogEntry::kDirectory;
    if (!isFullPath(path.c_str())) refuse(*entry, RemovalReason::kNotFullPath);
    else if (inSystemFolder(path, places)) refuse(*entry, RemovalReason::kSystemFolder);
    else if (folder && samePath(path.c_str(), destination.c_str())) continue;  // removed as the destination
    else if (folder && isInside(destination.c_str(), path.c_str())) noteFolderAbove(*entry, places);
    else if (!isInside(path.c_str(), destination.c_str())) refuse(*entry, RemovalReason::kOutsideDestination);
    else if (!folder && samePath(path.c_str(), places.program.c_str())) removesProgram_ = true;
    else if (!folder || !isSystemPlace(path, places))
      steps.push_back(pathStep(folder ? RemovalStep::kFolder : RemovalStep::kFile, &*entry, path, destination));
  }
}

void RemovalPlan::addRegistry(const InstallLogRecord& log, const RemovalPlaces& places, const RegistryTexts& registry) {
  std::set<std::string> loggedKeys;
  for (const LogEntry& entry : log.entries) {
    if (entry.kind == LogEntry::kRegistry && !entry.hasValue) loggedKeys.insert(registryName(entry.root, entry.key));
  }
  for (auto entry = log.entries.rbegin(); entry != log.entries.rend(); ++entry) {
    if (entry->kind != LogEntry::kRegistry) continue;
    KeyOwner owner = keyOwner(entry->root, entry->key.c_str());
    RemovalReason problem = registryProblem(*entry, owner, places, registry);
    if (problem != RemovalReason::kNone) {
      refuse(*entry, problem);
      continue;
    }
    RemovalStep step;
    step.action = entry->hasValue ? RemovalStep::kValue : RemovalStep::kKey;
    step.line = entry->line;
    step.root = entry->root;
    step.key = entry->key;
    step.valueName = entry->valueName;
    step.association = owner == KeyOwner::kExtension && entry->hasValue;
    steps.push_back(step);
    if (!entry->hasValue) addKeysBetween(step, loggedKeys);
  }
}

// Creating "Verbolt.WDL\shell\open\command" also made "shell" and "open",
// which the log does not name; they are ours when a logged key holds them.
void RemovalPlan::addKeysBetween(const RemovalStep& logged, const std::set<std::string>& loggedKeys) {
  std::vector<RemovalStep> between;
  for (RemovalStep step = logged; step.key.find('\\') > 0;) {
    step.key = step.key.left(step.key.findLast('\\'));
    if (loggedKeys.count(registryName(step.root, step.key))) {
      for (const RemovalStep& key : between) {
        if (keysBetween_.insert(registryName(key.root, key.key)).second) steps.push_back(key);
      }
      return;
    }
    if (keyOwner(step.root, step.key.c_str()) == KeyOwner::kOther) return;
    between.push_back(step);
  }
}

// A folder above the destination that the installation made (Install.exe
// /S /D= makes the missing ones) goes after the destination, and only when
// nothing else is left in it.
void RemovalPlan::noteFolderAbove(const LogEntry& entry, const RemovalPlaces& places) {
  if (isSystemPlace(entry.path, places)) return;
  for (const RemovalStep& known : foldersAbove_) {
    if (samePath(known.path.c_str(), entry.path.c_str())) return;
  }
  foldersAbove_.push_back(pathStep(RemovalStep::kFolder, &entry, entry.path, CText()));
}

void RemovalPlan::addGroupFolders(const RemovalPlaces& places) {
  size_t first = steps.size();
  for (const CText& folder : groupSubfolderPaths_) {
    if (const CText* group = groupHolding(folder)) steps.push_back(pathStep(RemovalStep::kFolder, nullptr, folder, *group));
  }
  sortInnerFirst(first);
  for (const CText& group : groupFolders) {
    if (!isSystemPlace(group, places)) steps.push_back(pathStep(RemovalStep::kFolder, nullptr, group, group));
  }
}

void RemovalPlan::sortInnerFirst(size_t first) {
  std::stable_sort(steps.begin() + static_cast<std::ptrdiff_t>(first), steps.end(), removedEarlier);
}

// The uninstaller leaves its own program for the end, so that the folder that
// holds it can go after it.
void RemovalPlan::addTail(const InstallLogRecord& log, const RemovalPlaces& places) {
  steps.push_back(pathStep(RemovalStep::kLog, nullptr, places.logPath, CText()));
  if (removesProgram_) steps.push_back(pathStep(RemovalStep::kProgram, nullptr, places.program, log.destination));
  if (!isSystemPlace(log.destination, places) && !inSystemFolder(log.destination, places))
    steps.push_back(pathStep(RemovalStep::kFolder, nullptr, log.destination, log.destination));
  size_t first = steps.size();
  steps.insert(steps.end(), foldersAbove_.begin(), foldersAbove_.end());
  sortInnerFirst(first);
}
