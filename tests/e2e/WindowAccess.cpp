#include "tests/e2e/WindowAccess.h"

#include <vector>

namespace e2e {
namespace {

const int kMessageTextId = 0xFFFF;
const int kUtf8BytesPerCharacter = 3;

struct ChildSearch {
  bool (*matches)(HWND child, const ChildSearch& search);
  int id;
  std::string text;
  HWND found;
};

BOOL CALLBACK visitChild(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<ChildSearch*>(data);
  if (!search->matches(child, *search)) return TRUE;
  search->found = child;
  return FALSE;
}

HWND findChild(HWND window, ChildSearch search) {
  EnumChildWindows(window, visitChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct MessageBoxSearch {
  const std::string& title;
  const std::string& part;
  HWND found;
};

BOOL CALLBACK visitMessageBox(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<MessageBoxSearch*>(data);
  if (!IsWindowVisible(window) || className(window) != "#32770" || text(window) != search->title ||
      messageBoxText(window).find(search->part) == std::string::npos)
    return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND control(HWND dialog, int id) { return GetDlgItem(dialog, id); }

HWND descendant(HWND window, int id) {
  return findChild(window, {[](HWND child, const ChildSearch& s) { return GetDlgCtrlID(child) == s.id; }, id, "",
                            nullptr});
}

HWND descendantWithText(HWND window, const std::string& wanted) {
  return findChild(window, {[](HWND child, const ChildSearch& s) { return text(child) == s.text; }, 0, wanted,
                            nullptr});
}

LRESULT sendNumbers(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT fallback) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeout, &result))
    return fallback;
  return static_cast<LRESULT>(result);
}

std::string text(HWND window) {
  LRESULT length = sendNumbers(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return std::string();
  // A window of a program whose code page is UTF-8 fills an 8-bit copy of
  // the buffer with its UTF-8 text, which takes more bytes than this code
  // page's: up to three for one character.
  std::vector<char> buffer(kUtf8BytesPerCharacter * length + 1);
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                           SMTO_ABORTIFHUNG, kSendTimeout, &copied))
    return std::string();
  return std::string(buffer.data(), copied < buffer.size() ? copied : buffer.size() - 1);
}

std::string utf8Text(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeout, &length) || length == 0)
    return std::string();
  std::vector<wchar_t> buffer(length + 1);
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                           SMTO_ABORTIFHUNG, kSendTimeout, &copied))
    return std::string();
  return utf8Of(std::wstring(buffer.data(), copied < buffer.size() ? copied : buffer.size() - 1));
}

bool setUtf8Text(HWND window, const std::string& value) {
  std::wstring units = wideOf(value);
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(units.c_str()), SMTO_ABORTIFHUNG,
                             kSendTimeout, &result) &&
         result != 0;
}

std::wstring wideOf(const std::string& utf8) {
  int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring units(size > 0 ? size : 0, L'\0');
  if (size > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &units[0], size);
  return units;
}

std::string utf8Of(const std::wstring& units) {
  int size = WideCharToMultiByte(CP_UTF8, 0, units.data(), static_cast<int>(units.size()), nullptr, 0, nullptr, nullptr);
  std::string text(size > 0 ? size : 0, '\0');
  if (size > 0)
    WideCharToMultiByte(CP_UTF8, 0, units.data(), static_cast<int>(units.size()), &text[0], size, nullptr, nullptr);
  return text;
}

bool setText(HWND window, const std::string& value) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()),
                             SMTO_ABORTIFHUNG, kSendTimeout, &result) &&
         result != 0;
}

RECT sendForRect(HWND window, UINT message, WPARAM wParam, const RECT& initial) {
  RECT rect = initial;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  void* memory = process ? VirtualAllocEx(process, nullptr, sizeof rect, MEM_COMMIT, PAGE_READWRITE) : nullptr;
  bool answered = memory && WriteProcessMemory(process, memory, &rect, sizeof rect, nullptr) &&
                  sendNumbers(window, message, wParam, reinterpret_cast<LPARAM>(memory)) &&
                  ReadProcessMemory(process, memory, &rect, sizeof rect, nullptr);
  if (memory) VirtualFreeEx(process, memory, 0, MEM_RELEASE);
  if (process) CloseHandle(process);
  return answered ? rect : RECT{0, 0, 0, 0};
}

std::string className(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof(name));
  return name;
}

bool postCommand(HWND window, int id, int code) {
  return PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, code), 0) != 0;
}

bool sendCommand(HWND window, int id, int code) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_COMMAND, MAKEWPARAM(id, code), 0, SMTO_ABORTIFHUNG,
                             kSendTimeout, &result) != 0;
}

std::string messageBoxText(HWND box) { return text(control(box, kMessageTextId)); }

bool pressButton(HWND dialog, int id) {
  return PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                      reinterpret_cast<LPARAM>(control(dialog, id))) != 0;
}

HWND anyProcessMessageBox(const std::string& title, const std::string& part) {
  MessageBoxSearch search = {title, part, nullptr};
  EnumWindows(visitMessageBox, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

LPARAM clientPoint(int x, int y) { return MAKELPARAM(x, y); }

}  // namespace e2e
