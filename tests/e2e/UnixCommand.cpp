#include "tests/e2e/UnixCommand.h"

#include "tests/e2e/Wait.h"

#include <windows.h>

#include <cstring>

namespace e2e {

std::string unixPath(const std::string& path) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  FARPROC found = GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name");
  auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(found));
  WCHAR wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
  char* unix = toUnix ? toUnix(wide) : nullptr;
  std::string result = unix ? unix : "";
  HeapFree(GetProcessHeap(), 0, unix);
  return result;
}

bool runUnix(const char* program, const std::string& arguments) {
  const char* name = std::strrchr(program, '\\');
  std::string line = std::string(name ? name + 1 : program) + " " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(program, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

// The commands touch a file of their own when they have ended.
bool runUnixCommands(const std::string& commands) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  std::string done = std::string(folder) + "unix-commands-ended";
  DeleteFileA(done.c_str());
  std::string script = commands + "; touch '" + unixPath(done) + "'";
  bool ended = runUnix("Z:\\bin\\sh", "-c \"" + script + "\"") &&
               waitFor([&] { return GetFileAttributesA(done.c_str()) != INVALID_FILE_ATTRIBUTES; }, "sh -c " + script);
  DeleteFileA(done.c_str());
  return ended;
}

}  // namespace e2e
