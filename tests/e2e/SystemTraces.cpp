#include "tests/e2e/SystemTraces.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>

namespace e2e {
namespace {

const char kSessionManager[] = "System\\CurrentControlSet\\Control\\Session Manager";
const char kPendingMoves[] = "PendingFileRenameOperations";

}  // namespace

std::string lowered(std::string text) {
  CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
  return text;
}

bool keyExists(HKEY root, const std::string& key) {
  HKEY opened;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

std::string linkTarget(const std::string& link, std::string* workingFolder) {
  CoInitialize(nullptr);
  std::string target = "<none>";
  IShellLinkA* shellLink = nullptr;
  IPersistFile* file = nullptr;
  WCHAR wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH);
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&shellLink))) &&
      SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
      SUCCEEDED(file->Load(wide, STGM_READ))) {
    char path[MAX_PATH] = "";
    shellLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH);
    target = path;
    shellLink->GetWorkingDirectory(path, MAX_PATH);
    if (workingFolder) *workingFolder = path;
  }
  if (file) file->Release();
  if (shellLink) shellLink->Release();
  CoUninitialize();
  return target;
}

bool saveShortcut(const std::string& link, const std::string& target) {
  CoInitialize(nullptr);
  IShellLinkA* shellLink = nullptr;
  IPersistFile* file = nullptr;
  WCHAR wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH);
  bool saved = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                          reinterpret_cast<void**>(&shellLink))) &&
               SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
               SUCCEEDED(shellLink->SetPath(target.c_str())) && SUCCEEDED(file->Save(wide, TRUE));
  if (file) file->Release();
  if (shellLink) shellLink->Release();
  CoUninitialize();
  return saved;
}

std::string pendingMoves() {
  char buffer[16384];
  DWORD size = sizeof buffer;
  if (SHGetValueA(HKEY_LOCAL_MACHINE, kSessionManager, kPendingMoves, nullptr, buffer, &size)) return "";
  std::string list(buffer, size);
  std::replace(list.begin(), list.end(), '\0', '|');
  return lowered(list);
}

void clearPendingMoves() { SHDeleteValueA(HKEY_LOCAL_MACHINE, kSessionManager, kPendingMoves); }

}  // namespace e2e
