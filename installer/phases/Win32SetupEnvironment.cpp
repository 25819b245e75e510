#include "installer/phases/Win32SetupEnvironment.h"

#include "framework/core/FileSystem.h"
#include "framework/registry/RegistryKey.h"

namespace {

CText registryText(HKEY root, const char* key, const char* name) {
  CRegistryKey registryKey;
  CText text;
  if (registryKey.open(root, key, CRegistryKey::kForReading) == ERROR_SUCCESS) registryKey.queryText(name, text);
  return text;
}

// A folder that a system call writes into a buffer of MAX_PATH characters.
template <typename Call>
CText systemFolderText(Call call) {
  char buffer[MAX_PATH];
  UINT length = call(buffer, MAX_PATH);
  return length > 0 && length < MAX_PATH ? CText(buffer) : CText();
}

}  // namespace

CText shortPathName(const char* path) {
  char buffer[MAX_PATH];
  DWORD length = GetShortPathNameA(path, buffer, MAX_PATH);
  return length > 0 && length < MAX_PATH ? CText(buffer) : CText(path);
}

CText shellFolder(const char* name, bool common) {
  const char* key = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  return registryText(common ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, key, name);
}

CText Win32SetupEnvironment::shortPath(const char* path) { return shortPathName(path); }

CText Win32SetupEnvironment::programFilesFolder() {
  return registryText(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
}

CText Win32SetupEnvironment::desktopFolder() { return shellFolder("Desktop", false); }

CText Win32SetupEnvironment::systemFolder() {
  return systemFolderText([](char* buffer, UINT size) { return GetSystemDirectoryA(buffer, size); });
}

CText Win32SetupEnvironment::windowsFolder() {
  return systemFolderText([](char* buffer, UINT size) { return GetWindowsDirectoryA(buffer, size); });
}

CText Win32SetupEnvironment::temporaryFolder() {
  return systemFolderText([](char* buffer, UINT size) { return GetTempPathA(size, buffer); });
}

CText Win32SetupEnvironment::localDate() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  CText date;
  date.format("%04u%02u%02u", now.wYear, now.wMonth, now.wDay);
  return date;
}

bool Win32SetupEnvironment::folderExists(const char* path) { return ::folderExists(path); }
