#include "framework/win/AppThread.h"

CAppThread::CAppThread() : mainWindow(nullptr), threadId(0), autoDelete(FALSE), threadHandle(nullptr) {}

CAppThread::~CAppThread() {
  if (threadHandle) CloseHandle(threadHandle);
  threadHandle = nullptr;
}

int CAppThread::instanceInit() { return 0; }

int CAppThread::run() { return 0; }

int CAppThread::instanceExit() {
  if (autoDelete) delete this;
  return 1;
}

CWinBase* CAppThread::getMainWindow() { return mainWindow; }

void CAppThread::onIdle() {}

bool CAppThread::start(DWORD creationFlags, DWORD stackSize, SECURITY_ATTRIBUTES* security) {
  // Created suspended so that the handle and id are stored before the work
  // can run, end and (with auto-delete) destroy the object.
  threadHandle = CreateThread(security, stackSize, startRoutine, this, creationFlags | CREATE_SUSPENDED,
                              &threadId);
  if (!threadHandle) return false;
  if (!(creationFlags & CREATE_SUSPENDED)) ResumeThread(threadHandle);
  return true;
}

DWORD WINAPI CAppThread::startRoutine(void* parameter) {
  CAppThread* thread = static_cast<CAppThread*>(parameter);
  thread->instanceInit();
  return static_cast<DWORD>(thread->instanceExit());
}

bool CAppThread::terminate(DWORD exitCode) {
  if (!TerminateThread(threadHandle, exitCode)) return false;
  if (autoDelete) delete this;
  return true;
}

bool CAppThread::isRunning() const {
  DWORD code = 0;
  if (!threadHandle) return false;
  return GetExitCodeThread(threadHandle, &code) && code == STILL_ACTIVE;
}
