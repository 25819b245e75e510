#pragma once
// CWinApp: the one application object of a program. Each program defines
// exactly one as a static object; the framework's entry point (WinMain.cpp,
// linked through the framework_entry target) stores the entry arguments in it
// and calls appInit(), instanceInit() (which runs the user interface) and
// instanceExit(), whose result is the process exit code.
#include "framework/win/AppThread.h"

class CWinApp : public CAppThread {
 public:
  // name is not copied. A second application object shows a programming
  // error and leaves the program without one, so that the entry fails.
  explicit CWinApp(const char* name);
  ~CWinApp() override;
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Called before instanceInit(). Default: 0.
  virtual int appInit();

  HINSTANCE getInstance() const { return instanceHandle; }

  HINSTANCE instanceHandle;
  HINSTANCE previousInstance;
  char* commandLine;  // as received, not copied
  int showCommand;
  const char* appName;
  char* modulePath;  // owned

  // The entry sequence; answers the process exit code.
  static int entry(HINSTANCE instance, HINSTANCE previous, char* commandLine, int showCommand);
};

// The one application object, or null.
CWinApp* getApp();
// The program's instance handle. Before the entry point has stored it (as in
// test programs with their own main) it is the module of the executable.
HINSTANCE getInstanceHandle();

// Loads from the program's own module; null (0 for strings) on failure.
HICON loadIcon(int id);
HBITMAP loadBitmap(const char* name);
HMENU loadMenu(const char* name);
int loadString(UINT id, char* buffer, int size);
