#include "installer/remove/SystemPlaces.h"

#include <shlobj.h>

namespace {

CText shellFolder(int which) {
  char buffer[MAX_PATH];
  return SHGetSpecialFolderPathA(nullptr, buffer, which, FALSE) ? CText(buffer) : CText();
}

template <typename Call>
CText systemFolderText(Call call) {
  char buffer[MAX_PATH];
  UINT length = call(buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return CText();
  if (length > 3 && buffer[length - 1] == '\\') buffer[length - 1] = 0;
  return CText(buffer);
}

void addKnown(std::vector<CText>& list, const CText& folder) {
  if (!folder.empty()) list.push_back(folder);
}

}  // namespace

CText longPathName(const char* path) {
  char buffer[MAX_PATH];
  DWORD length = GetLongPathNameA(path, buffer, MAX_PATH);
  return length > 0 && length < MAX_PATH ? CText(buffer) : CText(path);
}

RemovalPlaces systemPlaces(const CText& logPath, const CText& program) {
  RemovalPlaces places;
  places.windowsFolder = systemFolderText([](char* buffer, UINT size) { return GetWindowsDirectoryA(buffer, size); });
  places.systemFolder = systemFolderText([](char* buffer, UINT size) { return GetSystemDirectoryA(buffer, size); });
  places.userPrograms = shellFolder(CSIDL_PROGRAMS);
  places.commonPrograms = shellFolder(CSIDL_COMMON_PROGRAMS);
  places.userDesktop = shellFolder(CSIDL_DESKTOPDIRECTORY);
  places.commonDesktop = shellFolder(CSIDL_COMMON_DESKTOPDIRECTORY);
  for (int which : {CSIDL_PROGRAMS, CSIDL_COMMON_PROGRAMS, CSIDL_DESKTOPDIRECTORY, CSIDL_COMMON_DESKTOPDIRECTORY,
                    CSIDL_STARTMENU, CSIDL_COMMON_STARTMENU, CSIDL_STARTUP, CSIDL_COMMON_STARTUP, CSIDL_PROGRAM_FILES,
                    CSIDL_PROGRAM_FILES_COMMON, CSIDL_PERSONAL, CSIDL_APPDATA, CSIDL_LOCAL_APPDATA, CSIDL_PROFILE})
    addKnown(places.systemPlaces, shellFolder(which));
  addKnown(places.systemPlaces, systemFolderText([](char* buffer, UINT size) { return GetTempPathA(size, buffer); }));
  places.logPath = logPath;
  places.program = program;
  return places;
}
