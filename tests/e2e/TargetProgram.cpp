#include "tests/e2e/TargetProgram.h"

#include "tests/e2e/CleanState.h"
#include "tests/e2e/WindowAccess.h"

#include <algorithm>

namespace e2e {
namespace {

// How long a key may take to show its effect before it counts as lost.
const DWORD kRepressAfter = 3000;
// How long a window that closed may stay hidden before it is destroyed.
const DWORD kDestroyAfterHiding = 2000;

// Quotes an argument so that the C runtime's parser gives it back unchanged.
std::string quoted(const std::string& argument) {
  std::string result = "\"";
  size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    result.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    result += c;
  }
  result.append(backslashes * 2, '\\');
  return result + "\"";
}

// The text an edit control holds once characters replace its selection;
// empty for other windows.
std::string editAfterTyping(HWND target, const std::string& characters) {
  if (characters.empty() || lstrcmpiA(className(target).c_str(), "Edit") != 0) return std::string();
  DWORD_PTR selection = 0;
  if (!SendMessageTimeoutA(target, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, kSendTimeout, &selection)) return std::string();
  const std::string before = text(target);
  const size_t start = std::min<size_t>(LOWORD(selection), before.size());
  const size_t end = std::max<size_t>(start, std::min<size_t>(HIWORD(selection), before.size()));
  return before.substr(0, start) + characters + before.substr(end);
}

struct Search {
  const TargetProgram* program;
  const WindowQuery* query;
  HWND except;
  HWND found;
  bool (*matches)(HWND window, const Search& search);
};

BOOL CALLBACK visit(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (window == search->except || !search->matches(window, *search)) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

// Holds modifier keys down in the key state of another thread's input by
// sharing that input, until the next key or the end of the program: the
// program takes posted keys when it gets to them, and only then reads the
// modifiers.

class HeldModifiers {
 public:
  HeldModifiers(DWORD thread, unsigned modifiers) : thread_(thread) {
    if (!modifiers) return;
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    attached_ = AttachThreadInput(GetCurrentThreadId(), thread, TRUE) != 0;
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    hold(state, modifiers & kShift, VK_SHIFT, VK_LSHIFT);
    hold(state, modifiers & kControl, VK_CONTROL, VK_LCONTROL);
    hold(state, modifiers & kAlt, VK_MENU, VK_LMENU);
    SetKeyboardState(state);
    changed_ = true;
    outlastKeyStateCopy();
  }
  ~HeldModifiers() {
    if (changed_) SetKeyboardState(saved_);
    if (attached_) AttachThreadInput(GetCurrentThreadId(), thread_, FALSE);
  }
  HeldModifiers(const HeldModifiers&) = delete;
  HeldModifiers& operator=(const HeldModifiers&) = delete;

 private:
  // Wine answers a thread's key state from a copy that it takes again only
  // when the copy is 50 ms old. A program that took a key just before would
  // see the modifiers still up; the copy it holds must age first. The wait
  // is on the program's side and cannot be observed from here.
  static void outlastKeyStateCopy() {
    const DWORD kKeyStateCopyAge = 60;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < kKeyStateCopyAge) pollPause();
  }

  static void hold(BYTE* state, bool down, int key, int left) {
    if (!down) return;
    state[key] |= 0x80;
    state[left] |= 0x80;
  }

  DWORD thread_;
  bool attached_ = false;
  bool changed_ = false;
  BYTE saved_[256] = {};
};

TargetProgram::TargetProgram() = default;

TargetProgram::~TargetProgram() {
  if (running()) TerminateProcess(process_.hProcess, 255);
  end();
}

bool TargetProgram::start(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& settingsKey, const std::string& workFolder) {
  std::string line;
  for (const std::string& argument : arguments) line += (line.empty() ? "" : " ") + quoted(argument);
  return startWithCommandLine(program, line, settingsKey, workFolder);
}

bool TargetProgram::startWithCommandLine(const std::string& program, const std::string& arguments,
                                         const std::string& settingsKey, const std::string& workFolder) {
  end();
  if (!settingsKey.empty() && !removeRegistryTree(HKEY_CURRENT_USER, settingsKey)) {
    failWithScreenshot("cannot remove the settings key " + settingsKey);
    return false;
  }
  if (!makeEmptyFolder(workFolder)) {
    failWithScreenshot("cannot make the empty work folder " + workFolder);
    return false;
  }
  std::string commandLine = quoted(program);
  if (!arguments.empty()) commandLine += " " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      workFolder.c_str(), &startup, &process_)) {
    failWithScreenshot("cannot start " + commandLine + ": error " + std::to_string(GetLastError()));
    process_ = {};
    return false;
  }
  return true;
}

bool TargetProgram::owns(HWND window) const {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  return process_.hProcess && owner == process_.dwProcessId;
}

HWND TargetProgram::findWindow(const WindowQuery& query) const {
  Search search = {this, &query, nullptr, nullptr, [](HWND window, const Search& s) {
                     const WindowQuery& q = *s.query;
                     return s.program->owns(window) && IsWindowVisible(window) &&
                            (q.title.empty() || text(window) == q.title) &&
                            (q.className.empty() || className(window) == q.className) &&
                            (!q.owner || GetWindow(window, GW_OWNER) == q.owner);
                   }};
  EnumWindows(visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND TargetProgram::waitForWindow(const WindowQuery& query, DWORD timeout) {
  HWND found = nullptr;
  std::string what = "a window of the program";
  if (!query.title.empty()) what += " titled \"" + query.title + "\"";
  if (!query.className.empty()) what += " of class \"" + query.className + "\"";
  waitFor([&] { return (found = findWindow(query)) != nullptr || !running(); }, what, timeout);
  if (!found && !running())
    failWithScreenshot("the program ended while waiting for " + what);
  return found;
}

HWND TargetProgram::waitForDialog(HWND except, DWORD timeout) {
  WindowQuery query;
  query.className = "#32770";
  Search search = {this, &query, except, nullptr, [](HWND window, const Search& s) {
                     return s.program->owns(window) && IsWindowVisible(window) &&
                            className(window) == s.query->className;
                   }};
  waitFor(
      [&] {
        EnumWindows(visit, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
      },
      "a dialog or message box of the program", timeout);
  return search.found;
}

// A window is hidden before its own closing code runs (a dialog's settings
// written when it is destroyed), and the code that opened it goes on
// afterwards, so a hidden window is given a while to be destroyed and the
// program must also be back in its message loop.
bool TargetProgram::waitForGone(HWND window, DWORD timeout) {
  if (!waitFor([&] { return !IsWindow(window) || !IsWindowVisible(window); },
               "window \"" + text(window) + "\" to close", timeout))
    return false;
  pollFor([&] { return !IsWindow(window); }, kDestroyAfterHiding);
  answersSentMessages(2);  // a program that ended meanwhile answers none
  return true;
}

HWND TargetProgram::focus() const {
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(process_.dwThreadId, &info)) return nullptr;
  return info.hwndFocus;
}

void TargetProgram::postKey(HWND target, UINT message, UINT vk, bool up) {
  LPARAM scan = MapVirtualKeyA(vk, 0) & 0xFF;
  LPARAM flags = 1 | (scan << 16);
  if (up) flags |= (1u << 30) | (1u << 31);
  if (message == WM_SYSKEYDOWN || message == WM_SYSKEYUP) flags |= 1 << 29;
  PostMessageA(target, message, vk, flags);
}

bool TargetProgram::pressKey(UINT vk, unsigned modifiers) {
  HWND target = focus();
  if (!target) {
    failWithScreenshot("no window has the focus in the program to take key " + std::to_string(vk));
    return false;
  }
  held_.reset();
  if (modifiers) held_ = std::make_unique<HeldModifiers>(process_.dwThreadId, modifiers);
  const bool system = (modifiers & kAlt) != 0;
  postKey(target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, false);
  postKey(target, system ? WM_SYSKEYUP : WM_KEYUP, vk, true);
  return settle(2);
}

bool TargetProgram::pressKeyUntil(UINT vk, unsigned modifiers, const std::function<std::string()>& state,
                                  const std::string& expected, DWORD timeout) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeout) {
    const std::string before = state();
    if (before == expected) return true;
    if (!pressKey(vk, modifiers)) return false;
    if (!pollFor([&] { return state() != before; }, kRepressAfter)) continue;
    if (pollFor([&] { return state() == expected; }, kRepressAfter)) return true;
    break;
  }
  failWithScreenshot("key " + std::to_string(vk) + " with modifiers " + std::to_string(modifiers) + " gave \"" +
                     state() + "\", expected \"" + expected + "\"");
  return false;
}

bool TargetProgram::typeText(const std::string& characters) {
  held_.reset();
  HWND target = focus();
  if (!target) {
    failWithScreenshot("no window has the focus in the program to take \"" + characters + "\"");
    return false;
  }
  const std::string expected = editAfterTyping(target, characters);
  for (char c : characters) PostMessageA(target, WM_CHAR, static_cast<unsigned char>(c), 1);
  if (!settle(static_cast<int>(characters.size()))) return false;
  // The program may take a sent message while it handles a posted one, so
  // an edit is also watched until the characters are in.
  if (!expected.empty()) pollFor([&] { return text(target) == expected; }, kRepressAfter);
  return true;
}

// A message sent to a thread is handled when the thread next asks for a
// message, before it takes a posted one; so count + 1 answered sends mean that
// count posted messages have been taken and handed on. A window that goes
// away meanwhile (a dialog the keys closed) counts as answered.
bool TargetProgram::settle(int count) {
  if (answersSentMessages(count + 1)) return true;
  failWithScreenshot(running() ? "the program does not take its messages" : "the program ended while taking keys");
  return false;
}

bool TargetProgram::answersSentMessages(int count) const {
  for (int i = 0; i < count; ++i) {
    HWND window = focus();
    if (!window) window = findWindow(WindowQuery());
    DWORD_PTR result = 0;
    if (window && SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kSendTimeout, &result))
      continue;
    if (window && !IsWindow(window)) continue;
    return false;
  }
  return true;
}

int TargetProgram::close(HWND window, DWORD timeout) {
  PostMessageA(window, WM_CLOSE, 0, 0);
  return waitForExit(timeout);
}

int TargetProgram::waitForExit(DWORD timeout) {
  if (!process_.hProcess) return -1;
  if (!waitFor([&] { return !running(); }, "the program to end", timeout)) {
    TerminateProcess(process_.hProcess, 255);
    WaitForSingleObject(process_.hProcess, kSendTimeout);
    return -1;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return static_cast<int>(code);
}

bool TargetProgram::running() const {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

void TargetProgram::end() {
  held_.reset();
  if (process_.hThread) CloseHandle(process_.hThread);
  if (process_.hProcess) CloseHandle(process_.hProcess);
  process_ = {};
}

}  // namespace e2e
