#pragma once
// TargetProgram: one program under test, started from a clean state and
// driven from outside through its own message loop. Failures (a program that
// does not start, a timeout) count as test failures with a readable message and
// a screenshot; the calls then answer false, null or -1 so that the test can
// stop early.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/Wait.h"

namespace e2e {

// What a top-level window of the program must match; empty texts and a null
// owner match anything. Only visible windows match.
struct WindowQuery {
  std::string title;
  std::string className;
  HWND owner = nullptr;
};

enum Modifier : unsigned { kShift = 1, kControl = 2, kAlt = 4 };

class HeldModifiers;

class TargetProgram {
 public:
  TargetProgram();
  TargetProgram(const TargetProgram&) = delete;
  TargetProgram& operator=(const TargetProgram&) = delete;
  // Ends the program if it still runs (a test that failed half-way).
  ~TargetProgram();

  // Removes HKEY_CURRENT_USER\settingsKey (none when empty), empties and
  // creates workFolder, and starts program there with arguments.
  bool start(const std::string& program, const std::vector<std::string>& arguments,
             const std::string& settingsKey, const std::string& workFolder);
  // The same with the command line after the program's name given as it is,
  // for programs that read it themselves.
  bool startWithCommandLine(const std::string& program, const std::string& arguments,
                            const std::string& settingsKey, const std::string& workFolder);

  HWND waitForWindow(const WindowQuery& query, DWORD timeout = kDefaultTimeout);
  // A message box or other "#32770" dialog of the program other than except.
  HWND waitForDialog(HWND except = nullptr, DWORD timeout = kDefaultTimeout);
  // Until window is hidden or destroyed and the program has come back for
  // its next message.
  bool waitForGone(HWND window, DWORD timeout = kDefaultTimeout);

  // The window that has the keyboard focus in the program's user-interface
  // thread (GetGUIThreadInfo), or null.
  HWND focus() const;
  // Posts WM_KEYDOWN and WM_KEYUP of virtual key vk to the focused window, so
  // that they pass the program's message loop (accelerators, dialog
  // navigation, TranslateMessage) like typed keys. The modifiers are held in
  // the program's key state until the program has taken the keys from its
  // queue. False when no window has the focus.
  bool pressKey(UINT vk, unsigned modifiers = 0);
  // Presses vk with modifiers until state() reads expected. Wine may hand the
  // program a key state from before the modifiers were held, so a press can
  // be lost; the key is pressed again only after state() stayed as it was for
  // a while, because a second press behind a slow first one would act twice.
  bool pressKeyUntil(UINT vk, unsigned modifiers, const std::function<std::string()>& state,
                     const std::string& expected, DWORD timeout = kDefaultTimeout);
  // Posts WM_CHAR for each character to the focused window.
  bool typeText(const std::string& characters);
  // Waits until the program's user-interface thread has taken count posted
  // messages from its queue and come back for more.
  bool settle(int count = 1);

  // Posts WM_CLOSE to window and answers the exit code (see waitForExit).
  int close(HWND window, DWORD timeout = kDefaultTimeout);
  // The program's exit code, or -1 when it does not end within timeout (it is
  // then terminated).
  int waitForExit(DWORD timeout = kDefaultTimeout);
  bool running() const;
  DWORD processId() const { return process_.dwProcessId; }
  DWORD threadId() const { return process_.dwThreadId; }

 private:
  bool owns(HWND window) const;
  // Sends count WM_NULL messages one after the other to the focused or a
  // visible window of the program; false when one is not answered by a
  // window that still exists.
  bool answersSentMessages(int count) const;
  HWND findWindow(const WindowQuery& query) const;
  void postKey(HWND target, UINT message, UINT vk, bool up);
  void end();

  PROCESS_INFORMATION process_ = {};
  std::unique_ptr<HeldModifiers> held_;  // the modifiers of the last key
};

}  // namespace e2e
