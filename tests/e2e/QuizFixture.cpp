#include "tests/e2e/QuizFixture.h"

#include "tests/e2e/CleanState.h"
#include "tests/e2e/Wait.h"

namespace e2e {

const char kQuizSettingsKey[] = "Software\\Quorvel\\Verbolt'97";

namespace {

std::string besideThisProgram(const std::string& name) {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return parentFolder(path) + "\\" + name;
}

// The build gives host paths; Wine shows the host's root as Z:.
std::string windowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

struct WindowSearch {
  DWORD process;
  const std::function<bool(HWND)>* matches;
  HWND found;
};

BOOL CALLBACK visitWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process || !IsWindowVisible(window) || !(*search->matches)(window)) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

std::string parentFolder(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

std::string freshQuizProgram(const std::string& program, const std::string& suite, const std::string& test) {
  std::string root = besideThisProgram(suite + "\\" + test), bin = root + "\\bin";
  if (!makeEmptyFolder(root) || !makeEmptyFolder(bin)) {
    failWithScreenshot("cannot make " + bin);
    return std::string();
  }
  return copyProgramInto(program, bin) ? bin : std::string();
}

bool copyProgramInto(const std::string& program, const std::string& folder) {
  std::string exe = windowsPath(program);
  if (CopyFileA(exe.c_str(), (folder + exe.substr(exe.find_last_of('\\'))).c_str(), FALSE)) return true;
  failWithScreenshot("cannot copy " + exe + " to " + folder);
  return false;
}

bool writeFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
  CloseHandle(file);
  return ok;
}

std::string readFileBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  if (!bytes.empty() && (!ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                         read != bytes.size()))
    bytes.clear();
  CloseHandle(file);
  return bytes;
}

bool fileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string wordFileBytes(const std::vector<TestPair>& pairs) {
  std::string bytes("\xFE\xFE" "97WDL\x12" "English\x03" "Finnish\x03" "Tester\x03" "test list\x03");
  for (const TestPair& pair : pairs)
    bytes += pair.first + '\x03' + pair.second + '\x03' + (pair.marked ? '\x01' : '\x00') + '\x03';
  return bytes + '\x02';
}

std::string pairsOfWordFile(const std::string& bytes) {
  if (bytes.compare(0, 8, "\xFE\xFE" "97WDL\x12") != 0) return "?";
  size_t position = 8;
  for (int text = 0; text < 4; ++text) {
    position = bytes.find('\x03', position);
    if (position == std::string::npos) return "?";
    ++position;
  }
  std::string shown;
  while (position < bytes.size() && bytes[position] != '\x02') {
    size_t firstEnd = bytes.find('\x03', position);
    size_t secondEnd = firstEnd == std::string::npos ? firstEnd : bytes.find('\x03', firstEnd + 1);
    if (secondEnd == std::string::npos || secondEnd + 2 >= bytes.size()) return "?";
    shown += std::string(bytes[secondEnd + 1] ? "+" : "") + bytes.substr(position, firstEnd - position) + "/" +
             bytes.substr(firstEnd + 1, secondEnd - firstEnd - 1) + " ";
    position = secondEnd + 3;
  }
  return position < bytes.size() ? shown : "?";
}

std::string registryValue(const std::string& key, const char* name, DWORD* type) {
  *type = REG_NONE;
  HKEY opened;
  std::string path = kQuizSettingsKey + key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return std::string();
  char data[4096];
  DWORD size = sizeof data;
  std::string value;
  if (RegQueryValueExA(opened, name, nullptr, type, reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS)
    value.assign(data, size);
  else
    *type = REG_NONE;
  RegCloseKey(opened);
  return value;
}

bool setRegistryNumber(const std::string& key, const char* name, DWORD value) {
  HKEY created;
  std::string path = kQuizSettingsKey + key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &created, nullptr) !=
      ERROR_SUCCESS)
    return false;
  bool set = RegSetValueExA(created, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
             ERROR_SUCCESS;
  RegCloseKey(created);
  return set;
}

HWND windowOfProcess(DWORD process, const std::function<bool(HWND)>& matches) {
  WindowSearch search = {process, &matches, nullptr};
  EnumWindows(visitWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace e2e
