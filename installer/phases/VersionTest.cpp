#include "installer/phases/VersionTest.h"

#include "installer/script/FileEntry.h"

#include <windows.h>

#include <vector>

namespace {

bool exportsAll(HMODULE library, const char* requiredExports) {
  for (const CText& name : exportNames(requiredExports)) {
    if (!GetProcAddress(library, name.c_str())) return false;
  }
  return true;
}

bool readFileVersion(const char* path, VS_FIXEDFILEINFO* version) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  if (size == 0) return false;
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(path, 0, size, block.data())) return false;
  void* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), "\\", &fixed, &length) || length < sizeof *version) return false;
  *version = *static_cast<VS_FIXEDFILEINFO*>(fixed);
  return true;
}

}  // namespace

VersionVerdict testInstalledVersion(const char* path, const FileEntry& entry) {
  HMODULE library = LoadLibraryExA(path, nullptr, DONT_RESOLVE_DLL_REFERENCES);
  if (!library) return VersionVerdict::kReplace;
  bool exported = exportsAll(library, entry.requiredExports.c_str());
  FreeLibrary(library);
  if (!exported) return VersionVerdict::kReplace;
  if (entry.minimumVersion.empty()) return VersionVerdict::kAsk;
  VS_FIXEDFILEINFO version;
  if (!readFileVersion(path, &version)) return VersionVerdict::kReplace;
  return compareWithMinimumVersion(entry.minimumVersion.c_str(), version.dwFileVersionMS, version.dwFileVersionLS);
}
