#include "installer/remove/ResolvedPath.h"

namespace {

typedef DWORD(WINAPI* FinalPathCall)(HANDLE, LPWSTR, DWORD, DWORD);

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

// Windows XP has no such call; there junctions are the only links, and the
// remover looks at every folder's attributes for them.
FinalPathCall finalPathCall() {
  static FinalPathCall call = reinterpret_cast<FinalPathCall>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFinalPathNameByHandleW")));
  return call;
}

std::wstring finalPath(HANDLE handle, const std::wstring& fallback) {
  FinalPathCall call = finalPathCall();
  if (!call) return fallback;
  std::wstring path(MAX_PATH, L'\0');
  DWORD length = call(handle, &path[0], static_cast<DWORD>(path.size()), 0);
  if (length >= path.size()) {
    path.resize(length + 1);
    length = call(handle, &path[0], static_cast<DWORD>(path.size()), 0);
  }
  if (length == 0 || length >= path.size()) return std::wstring();
  path.resize(length);
  return path;
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
