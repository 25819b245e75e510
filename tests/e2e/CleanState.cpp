#include "tests/e2e/CleanState.h"

namespace e2e {
namespace {

bool removeFolderTree(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = folder + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        removeFolderTree(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  return RemoveDirectoryA(folder.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND ||
         GetLastError() == ERROR_PATH_NOT_FOUND;
}

bool makeFolderPath(const std::string& folder) {
  if (CreateDirectoryA(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) return true;
  size_t slash = folder.find_last_of("\\/");
  if (slash == std::string::npos || slash == 0) return false;
  return makeFolderPath(folder.substr(0, slash)) && CreateDirectoryA(folder.c_str(), nullptr);
}

}  // namespace

bool removeRegistryTree(HKEY root, const std::string& key) {
  HKEY opened;
  LONG result = RegOpenKeyExA(root, key.c_str(), 0, KEY_READ | KEY_WRITE, &opened);
  if (result == ERROR_FILE_NOT_FOUND) return true;
  if (result != ERROR_SUCCESS) return false;
  char name[256];
  DWORD size = sizeof(name);
  while (RegEnumKeyExA(opened, 0, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
    if (!removeRegistryTree(opened, name)) break;
    size = sizeof(name);
  }
  RegCloseKey(opened);
  return RegDeleteKeyA(root, key.c_str()) == ERROR_SUCCESS;
}

bool makeEmptyFolder(const std::string& folder) {
  removeFolderTree(folder);
  if (!makeFolderPath(folder)) return false;
  DWORD attributes = GetFileAttributesA(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace e2e
