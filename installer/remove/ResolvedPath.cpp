#include "installer/remove/ResolvedPath.h"

#include <vector>

namespace {

typedef DWORD(WINAPI* FinalPathCall)(HANDLE, LPWSTR, DWORD, DWORD);
typedef BOOL(WINAPI* FileInformationCall)(HANDLE, int, LPVOID, DWORD);

const DWORD kVolumeNameNone = 0x4;  // VOLUME_NAME_NONE
const int kFileNameInformation = 2;  // FileNameInfo
const DWORD kLongestPath = 32767;

}  // namespace

std::wstring wideText(const char* text) {
  int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (size <= 1) return std::wstring();
  std::wstring wide(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], size);
  wide.resize(static_cast<size_t>(size - 1));
  return wide;
}

namespace {

std::wstring lowered(std::wstring text) {
  if (!text.empty()) CharLowerBuffW(&text[0], static_cast<DWORD>(text.size()));
  return text;
}

template <typename Call>
Call kernelCall(const char* name) {
  return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name)));
}

std::wstring finalPathAsked(FinalPathCall call, HANDLE handle) {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length = call(handle, &path[0], static_cast<DWORD>(path.size()), kVolumeNameNone);
  if (length >= path.size()) {
    path.resize(length + 1);
    length = call(handle, &path[0], static_cast<DWORD>(path.size()), kVolumeNameNone);
  }
  if (length == 0 || length >= path.size()) return std::wstring();
  path.resize(length);
  return path;
}

// Some systems' final-path call keeps a buffer of the classic path limit
// (Wine's answers "more data" for paths near 260 characters); the name of
// the opened file, below its volume's root, has no such limit.
std::wstring openedName(HANDLE handle) {
  static FileInformationCall call = kernelCall<FileInformationCall>("GetFileInformationByHandleEx");
  std::vector<DWORD> buffer(1 + kLongestPath * sizeof(WCHAR) / sizeof(DWORD));
  if (!call || !call(handle, kFileNameInformation, &buffer[0], static_cast<DWORD>(buffer.size() * sizeof(DWORD))))
    return std::wstring();
  const wchar_t* name = reinterpret_cast<const wchar_t*>(&buffer[1]);
  return std::wstring(name, buffer[0] / sizeof(WCHAR));
}

// Windows XP has no such calls; there junctions are the only links, and the
// remover looks at every folder's attributes for them.
std::wstring finalPath(HANDLE handle, const std::wstring& fallback) {
  static FinalPathCall call = kernelCall<FinalPathCall>("GetFinalPathNameByHandleW");
  if (!call) return fallback;
  std::wstring path = finalPathAsked(call, handle);
  return path.empty() ? openedName(handle) : path;
}

}  // namespace

std::wstring longPathOf(const CText& path) {
  std::wstring wide = wideText(path.c_str());
  if (wide.compare(0, 2, L"\\\\") == 0) return L"\\\\?\\UNC\\" + wide.substr(2);
  return L"\\\\?\\" + wide;
}

bool resolvePath(const CText& path, ResolvedPath* resolved, DWORD* error) {
  std::wstring spelled = longPathOf(path);
  HANDLE handle = CreateFileW(spelled.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    *error = GetLastError();
    return false;
  }
  BY_HANDLE_FILE_INFORMATION information = {};
  bool known = GetFileInformationByHandle(handle, &information) != 0;
  std::wstring final = known ? finalPath(handle, spelled) : std::wstring();
  *error = final.empty() ? GetLastError() : ERROR_SUCCESS;
  CloseHandle(handle);
  if (final.empty()) {
    if (*error == ERROR_SUCCESS) *error = ERROR_INVALID_FUNCTION;
    return false;
  }
  resolved->path = lowered(final);
  resolved->volume = information.dwVolumeSerialNumber;
  return true;
}

bool leadsBelow(const ResolvedPath& item, const ResolvedPath& anchor, const CText& relative) {
  if (item.volume != anchor.volume) return false;
  std::wstring expected = anchor.path;
  if (!relative.empty()) {
    if (expected.empty() || expected.back() != L'\\') expected += L'\\';
    expected += lowered(wideText(relative.c_str()));
  }
  return item.path == expected;
}
