#include "tests/e2e/CleanState.h"

namespace e2e {
namespace {

// With the 16-bit calls, so that names in every script go too, such as those
// the programs under test make in UTF-8.
bool removeFolderTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring path = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        removeFolderTree(path);
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  return RemoveDirectoryW(folder.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND ||
         GetLastError() == ERROR_PATH_NOT_FOUND;
}

bool removeFolderTree(const std::string& folder) {
  int size = MultiByteToWideChar(CP_ACP, 0, folder.c_str(), -1, nullptr, 0);
  std::wstring wide(size > 0 ? size : 1, L'\0');
  if (size > 0) MultiByteToWideChar(CP_ACP, 0, folder.c_str(), -1, &wide[0], size);
  wide.resize(wide.size() - 1);
  return removeFolderTree(wide);
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
