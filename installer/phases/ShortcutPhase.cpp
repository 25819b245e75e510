#include "installer/phases/ShortcutPhase.h"

#include "installer/phases/InstallUser.h"
#include "installer/script/InstallLogText.h"
#include "installer/script/SetupScript.h"

#include "framework/core/FileSystem.h"

#include <objbase.h>
#include <shlobj.h>

namespace {

CText folderOf(const CText& path) {
  int slash = path.findLast('\\');
  return slash > 0 ? path.left(slash) : CText();
}

// Makes each missing level of folder; the levels that exist refuse quietly.
void makeFolders(const CText& folder) {
  if (folder.empty() || folderExists(folder.c_str())) return;
  for (int i = 1; i < static_cast<int>(folder.length()); ++i) {
    if (folder.at(i) == '\\') CreateDirectoryA(folder.left(i).c_str(), nullptr);
  }
  CreateDirectoryA(folder.c_str(), nullptr);
}

bool exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

void saveLink(const CText& link, const CText& target) {
  IShellLinkA* shellLink = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&shellLink))))
    return;
  IPersistFile* file = nullptr;
  WCHAR widePath[MAX_PATH];
  if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
      SUCCEEDED(shellLink->SetPath(target.c_str()))) {
    shellLink->SetDescription("");
    shellLink->SetWorkingDirectory(folderOf(target).c_str());
    if (MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, widePath, MAX_PATH) > 0) file->Save(widePath, TRUE);
  }
  if (file) file->Release();
  shellLink->Release();
}

}  // namespace

ShortcutPhase::ShortcutPhase(SetupScript& script, InstallUser& user) : script_(script), user_(user) {}

bool ShortcutPhase::run() {
  if (script_.iconFolder.empty()) return true;
  HRESULT com = CoInitialize(nullptr);
  CreateDirectoryA(script_.iconFolder.c_str(), nullptr);
  bool finished = walkEntries(script_, *this);
  if (SUCCEEDED(com)) CoUninitialize();
  return finished;
}

bool ShortcutPhase::visit(EntryLists& lists) {
  return executeEntries(user_, lists.shortcuts, [this](const ShortcutEntry& entry) { execute(entry); });
}

void ShortcutPhase::execute(const ShortcutEntry& entry) {
  CText target(entry.target), link(entry.link);
  bool named = script_.expand(target);
  if (!script_.expand(link) || !named) return;
  if (exists(target.c_str())) {
    makeFolders(folderOf(link));
    saveLink(link, target);
  }
  script_.log.write(InstallLogText::icon(link.c_str()));
}
