#pragma once
// CAppThread: a thread that runs one piece of work. The program's user
// interface thread is one (the application object derives from it); start()
// runs another as a worker whose work is instanceInit() and whose exit code is
// instanceExit()'s result.
#include "framework/core/Win32.h"

class CWinBase;

class CAppThread {
 public:
  CAppThread();
  // Closes the thread handle.
  virtual ~CAppThread();

  // The work of the thread (or of the whole user interface). Default: 0.
  virtual int instanceInit();
  // Not called by the framework. Default: 0.
  virtual int run();
  // Its result is the exit code. Default: destroys the object when the
  // auto-delete flag is set; returns 1.
  virtual int instanceExit();
  virtual CWinBase* getMainWindow();
  virtual void onIdle();

  // Starts the object as a worker thread; stores handle and id. True on success.
  bool start(DWORD creationFlags = 0, DWORD stackSize = 0, SECURITY_ATTRIBUTES* security = nullptr);
  // Ends the worker at once without unwinding it. On success the object is
  // destroyed when the auto-delete flag is set (so do not touch it after).
  bool terminate(DWORD exitCode);
  // False before start and once the worker's work has returned.
  bool isRunning() const;

  CWinBase* mainWindow;
  DWORD threadId;
  BOOL autoDelete;
  HANDLE threadHandle;

 private:
  static DWORD WINAPI startRoutine(void* parameter);
};
