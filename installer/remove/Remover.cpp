#include "installer/remove/Remover.h"

#include "installer/remove/RemovalRules.h"
#include "installer/remove/ResolvedPath.h"
#include "installer/script/SectionIndex.h"

#include <shlobj.h>

namespace {

// The uninstaller's first process ends right after the copy has reported;
// its program can be deleted soon after.
const DWORD kProgramEndTries = 100;
const DWORD kProgramEndPause = 100;  // ms

std::string lowered(const CText& text) { return lowerName(text.c_str(), text.length()); }

bool isMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// A running program's file answers "access denied"; an open file "sharing
// violation".
bool isInUse(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION;
}

bool isProgramFile(const CText& path) {
  std::string text = lowered(path);
  return text.size() > 4 && text.compare(text.size() - 4, 4, ".exe") == 0;
}

DWORD attributesOf(const CText& path) { return GetFileAttributesW(longPathOf(path).c_str()); }

bool exists(const CText& path) { return attributesOf(path) != INVALID_FILE_ATTRIBUTES; }

bool deleteFile(const CText& path) { return DeleteFileW(longPathOf(path).c_str()) != 0; }

// The part of path below folder, which holds it.
CText relativeTo(const CText& path, const CText& folder) {
  if (samePath(path.c_str(), folder.c_str())) return CText();
  int skip = folder.length() + (folder.at(folder.length() - 1) == '\\' ? 0 : 1);
  return CText(path.c_str() + skip);
}

CText narrowText(const wchar_t* text) {
  char buffer[MAX_PATH * 2];
  int size = WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
  return size > 0 ? CText(buffer) : CText();
}

// What a shortcut starts; empty when it cannot be read as a shortcut.
CText shortcutTarget(const CText& path) {
  HRESULT started = CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  IPersistFile* file = nullptr;
  char target[MAX_PATH] = "";
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        (FAILED(file->Load(wideText(path.c_str()).c_str(), STGM_READ)) ||
         FAILED(link->GetPath(target, MAX_PATH, nullptr, 0))))
      target[0] = 0;
    if (file) file->Release();
    link->Release();
  }
  if (SUCCEEDED(started)) CoUninitialize();
  return CText(target);
}

HKEY rootKey(RegistryEntry::Root root) { return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(root)); }

// The key's default value as text; empty when it is no text.
CText defaultText(HKEY key) {
  char buffer[1024];
  DWORD type = 0, size = sizeof buffer - 1;
  if (RegQueryValueExA(key, "", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return CText();
  buffer[size] = 0;
  return CText(buffer);
}

}  // namespace

// The installer closes its log after the last file it wrote; a file written
// later is the learner's.
Remover::Remover(const RemovalPlan& plan, RemovalUser& user, RemovalReport& report)
    : plan_(plan), user_(user), report_(report) {
  for (const RemovalStep& step : plan.steps) {
    if (step.action == RemovalStep::kLog) installedAt_ = lastWriteTime(step.path);
  }
}

// Zero when the system cannot say.
ULONGLONG Remover::lastWriteTime(const CText& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(longPathOf(path).c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

bool Remover::changedSinceInstalled(const RemovalStep& step) const {
  return step.action == RemovalStep::kFile && installedAt_ && lastWriteTime(step.path) > installedAt_;
}

void Remover::run(size_t first, size_t end) {
  for (size_t i = first; i < end && i < plan_.steps.size(); ++i) carryOut(plan_.steps[i]);
  if (associationsChanged_) SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
  associationsChanged_ = false;
}

void Remover::foresee(size_t first, RemovalReport& report) const {
  std::set<std::string> gone;  // lower-cased paths foreseen removed
  for (size_t i = first; i < plan_.steps.size(); ++i) {
    const RemovalStep& step = plan_.steps[i];
    if (step.action == RemovalStep::kProgram) {
      gone.insert(lowered(step.path));
      report.record(step, RemovalReport::kRemoved);
    } else if (step.action == RemovalStep::kFolder && exists(step.path)) {
      Contents left = contents(step.path, &gone);
      if (left == kEmpty) {
        gone.insert(lowered(step.path));
        report.record(step, RemovalReport::kRemoved);
      } else if (left == kOnlyScheduled) {
        report.record(step, RemovalReport::kScheduled);
      } else {
        report.record(step, RemovalReport::kKept, RemovalReason::kNotEmpty);
      }
    }
  }
}

void Remover::carryOut(const RemovalStep& step) {
  switch (step.action) {
    case RemovalStep::kValue: removeValue(step); break;
    case RemovalStep::kKey: removeKey(step); break;
    case RemovalStep::kFolder: removeFolder(step); break;
    default: removeFile(step); break;
  }
}

void Remover::recordMissing(const RemovalStep& step, DWORD error) {
  if (isMissing(error)) report_.record(step, RemovalReport::kAbsent);
  else report_.record(step, RemovalReport::kNotRemoved, RemovalReason::kError, error);
}

// The item and the folder that holds it must lead where the log spells them
// below their anchor (the installation folder, the program group, the
// desktop), on the anchor's volume: a link on the way, or the item itself a
// link, leads elsewhere. A missing anchor or item is for the caller to see.
RemovalReason Remover::whereItLeads(const RemovalStep& step, DWORD* error) const {
  CText anchorPath = step.linkFreeFrom.empty() ? parentFolder(step.path.c_str()) : step.linkFreeFrom;
  ResolvedPath anchor, folder, item;
  if (!resolvePath(anchorPath, &anchor, error)) return isMissing(*error) ? RemovalReason::kNone : RemovalReason::kError;
  CText parent = parentFolder(step.path.c_str());
  if (isInside(parent.c_str(), anchorPath.c_str())) {
    if (!resolvePath(parent, &folder, error)) return isMissing(*error) ? RemovalReason::kNone : RemovalReason::kError;
    if (!leadsBelow(folder, anchor, relativeTo(parent, anchorPath))) return RemovalReason::kInsideLink;
  }
  if (samePath(step.path.c_str(), anchorPath.c_str())) return RemovalReason::kNone;
  if (!resolvePath(step.path, &item, error)) return isMissing(*error) ? RemovalReason::kNone : RemovalReason::kError;
  return leadsBelow(item, anchor, relativeTo(step.path, anchorPath)) ? RemovalReason::kNone : RemovalReason::kLink;
}

bool Remover::leftForWhereItLeads(const RemovalStep& step) {
  if (reachedThroughLink(step)) {
    report_.record(step, RemovalReport::kNotRemoved, RemovalReason::kInsideLink);
    return true;
  }
  DWORD error = ERROR_SUCCESS;
  RemovalReason reason = whereItLeads(step, &error);
  if (reason == RemovalReason::kNone) return false;
  report_.record(step, reason == RemovalReason::kLink ? RemovalReport::kKept : RemovalReport::kNotRemoved, reason,
                 error);
  return true;
}

bool Remover::reachedThroughLink(const RemovalStep& step) const {
  if (step.linkFreeFrom.empty()) return false;
  for (CText folder = parentFolder(step.path.c_str()); isSameOrInside(folder.c_str(), step.linkFreeFrom.c_str());
       folder = parentFolder(folder.c_str())) {
    DWORD attributes = attributesOf(folder);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return true;
  }
  return false;
}

void Remover::removeFile(const RemovalStep& step) {
  if (leftForWhereItLeads(step)) return;
  DWORD attributes = attributesOf(step.path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return recordMissing(step, GetLastError());
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return report_.record(step, RemovalReport::kKept, RemovalReason::kNotPlainFile);
  if (step.action == RemovalStep::kShortcut && !isInside(shortcutTarget(step.path).c_str(), step.targetFolder.c_str()))
    return report_.record(step, RemovalReport::kKept, RemovalReason::kShortcutElsewhere);
  if (changedSinceInstalled(step)) return report_.record(step, RemovalReport::kKept, RemovalReason::kChangedSinceInstall);
  if (attributes & FILE_ATTRIBUTE_READONLY)
    SetFileAttributesW(longPathOf(step.path).c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
  if (deleteFile(step.path)) return report_.record(step, RemovalReport::kRemoved);
  DWORD error = GetLastError();
  if (!isInUse(error)) return report_.record(step, RemovalReport::kNotRemoved, RemovalReason::kError, error);
  if (!deleteWaiting(step, step.action == RemovalStep::kFile && isProgramFile(step.path))) schedule(step);
}

// Waits for a program in use to end: the uninstaller's own first process by
// itself, a program of the installation when the user closes it.
bool Remover::deleteWaiting(const RemovalStep& step, bool mayAsk) {
  if (step.action == RemovalStep::kProgram) {
    for (DWORD tries = 0; tries < kProgramEndTries; ++tries) {
      Sleep(kProgramEndPause);
      if (deleteFile(step.path)) {
        report_.record(step, RemovalReport::kRemoved);
        return true;
      }
    }
    return false;
  }
  while (mayAsk && user_.retryProgramInUse(step.path.c_str())) {
    if (deleteFile(step.path)) {
      report_.record(step, RemovalReport::kRemoved);
      return true;
    }
  }
  return false;
}

void Remover::schedule(const RemovalStep& step) {
  if (!MoveFileExW(longPathOf(step.path).c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT))
    return report_.record(step, RemovalReport::kNotRemoved, RemovalReason::kError, GetLastError());
  scheduled_.insert(lowered(step.path));
  report_.record(step, RemovalReport::kScheduled);
}

void Remover::removeFolder(const RemovalStep& step) {
  if (leftForWhereItLeads(step)) return;
  DWORD attributes = attributesOf(step.path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return recordMissing(step, GetLastError());
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return report_.record(step, RemovalReport::kKept, RemovalReason::kNotFolder);
  // A link is never entered: it goes as a link, which some systems cannot
  // do, or stays.
  std::wstring path = longPathOf(step.path);
  if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    bool gone = RemoveDirectoryW(path.c_str()) && !exists(step.path);
    return report_.record(step, gone ? RemovalReport::kRemoved : RemovalReport::kKept, RemovalReason::kLink);
  }
  Contents left = contents(step.path, nullptr);
  if (left == kOther) return report_.record(step, RemovalReport::kKept, RemovalReason::kNotEmpty);
  if (left == kOnlyScheduled) return schedule(step);
  if (RemoveDirectoryW(path.c_str())) return report_.record(step, RemovalReport::kRemoved);
  DWORD error = GetLastError();
  if (isInUse(error)) return schedule(step);  // another program's current folder
  report_.record(step, RemovalReport::kNotRemoved, RemovalReason::kError, error);
}

Remover::Contents Remover::contents(const CText& folder, const std::set<std::string>* alsoGone) const {
  WIN32_FIND_DATAW found;
  CText pattern(folder);
  pattern.append("\\*");
  HANDLE find = FindFirstFileW(longPathOf(pattern).c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return kOther;
  Contents result = kEmpty;
  do {
    if (!lstrcmpW(found.cFileName, L".") || !lstrcmpW(found.cFileName, L"..")) continue;
    CText path(folder);
    path.append('\\');
    path.append(narrowText(found.cFileName));
    if (alsoGone && alsoGone->count(lowered(path))) continue;
    result = scheduled_.count(lowered(path)) ? kOnlyScheduled : kOther;
  } while (result != kOther && FindNextFileW(find, &found));
  FindClose(find);
  return result;
}

void Remover::removeValue(const RemovalStep& step) {
  HKEY key = nullptr;
  LONG opened = RegOpenKeyExA(rootKey(step.root), step.key.c_str(), 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key);
  if (opened != ERROR_SUCCESS) return recordMissing(step, opened);
  const char* name = step.valueName.c_str();
  LONG result = RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr);
  bool othersNow = result == ERROR_SUCCESS && step.association && !plan_.ownsClass(defaultText(key).c_str());
  if (result == ERROR_SUCCESS && !othersNow) result = RegDeleteValueA(key, name);
  RegCloseKey(key);
  if (othersNow) return report_.record(step, RemovalReport::kKept, RemovalReason::kOtherProgram);
  if (result != ERROR_SUCCESS) return recordMissing(step, result);
  if (step.root == RegistryEntry::kClassesRoot) associationsChanged_ = true;
  report_.record(step, RemovalReport::kRemoved);
}

void Remover::removeKey(const RemovalStep& step) {
  HKEY key = nullptr;
  LONG result = RegOpenKeyExA(rootKey(step.root), step.key.c_str(), 0, KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS, &key);
  if (result != ERROR_SUCCESS) return recordMissing(step, result);
  DWORD subKeys = 0, values = 0;
  result = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr, nullptr,
                            nullptr, nullptr);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return report_.record(step, RemovalReport::kNotRemoved, RemovalReason::kError, result);
  if (subKeys || values) return report_.record(step, RemovalReport::kKept, RemovalReason::kNotEmpty);
  result = RegDeleteKeyA(rootKey(step.root), step.key.c_str());
  if (result != ERROR_SUCCESS) return recordMissing(step, result);
  if (step.root == RegistryEntry::kClassesRoot) associationsChanged_ = true;
  report_.record(step, RemovalReport::kRemoved);
}
