#include "framework/core/FileSystem.h"

#include "framework/core/Win32.h"

#include <cstring>

bool fileExists(const char* name) {
  HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

bool fileMatches(const char* pattern) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(pattern, &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  bool found = data.dwFileAttributes != FILE_ATTRIBUTE_DIRECTORY;
  while (!found && FindNextFileA(find, &data)) found = data.dwFileAttributes != FILE_ATTRIBUTE_DIRECTORY;
  FindClose(find);
  return found;
}

bool folderExists(const char* path) {
  size_t length = std::strlen(path);
  if (length == 3 && path[1] == ':' && path[2] == '\\') return GetDriveTypeA(path) > 1;
  if (length < 3) return false;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(path, &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  FindClose(find);
  return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool isFile(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool isFolder(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool moveFile(const char* from, const char* to) { return MoveFileA(from, to) != 0; }

bool deleteFile(const char* name) { return DeleteFileA(name) != 0; }

namespace {

bool identify(const char* name, BY_HANDLE_FILE_INFORMATION* information) {
  HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool known = GetFileInformationByHandle(file, information) != 0;
  CloseHandle(file);
  return known;
}

}  // namespace

bool sameFile(const char* first, const char* second) {
  BY_HANDLE_FILE_INFORMATION one, other;
  return identify(first, &one) && identify(second, &other) &&
         one.dwVolumeSerialNumber == other.dwVolumeSerialNumber && one.nFileIndexHigh == other.nFileIndexHigh &&
         one.nFileIndexLow == other.nFileIndexLow;
}
