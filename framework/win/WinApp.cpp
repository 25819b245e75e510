#include "framework/win/WinApp.h"

#include "framework/core/Text.h"

#include <cstring>

namespace {

CWinApp* theApp = nullptr;
HINSTANCE theInstance = nullptr;

}  // namespace

CWinApp::CWinApp(const char* name)
    : instanceHandle(nullptr),
      previousInstance(nullptr),
      commandLine(nullptr),
      showCommand(0),
      appName(name),
      modulePath(nullptr) {
  if (theApp) {
    MessageBoxA(nullptr, "You can only create one CWinApp paced class.", "Program Error", MB_ICONERROR);
    theApp = nullptr;
    return;
  }
  theApp = this;
  threadHandle = GetCurrentThread();
  threadId = GetCurrentThreadId();
}

CWinApp::~CWinApp() {
  delete[] modulePath;
  // The pseudo handle of GetCurrentThread() must not reach CloseHandle.
  threadHandle = nullptr;
  threadId = 0;
  if (theApp == this) theApp = nullptr;
}

int CWinApp::appInit() { return 0; }

int CWinApp::entry(HINSTANCE instance, HINSTANCE previous, char* commandLine, int showCommand) {
  CWinApp* app = theApp;
  if (!app) {
    MessageBoxA(nullptr, "You have to create CWinApp baced class.", "Program Error", MB_ICONERROR);
    return 1;
  }
  app->instanceHandle = instance;
  theInstance = instance;
  setResourceModule(instance);
  app->previousInstance = previous;
  app->commandLine = commandLine;
  app->showCommand = showCommand;
  char path[MAX_PATH] = "";
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  delete[] app->modulePath;
  app->modulePath = new char[length + 1];
  std::memcpy(app->modulePath, path, length);
  app->modulePath[length] = '\0';
  app->appInit();
  app->instanceInit();
  return app->instanceExit();
}

CWinApp* getApp() { return theApp; }

HINSTANCE getInstanceHandle() { return theInstance ? theInstance : GetModuleHandleA(nullptr); }

HICON loadIcon(int id) { return LoadIconA(getInstanceHandle(), MAKEINTRESOURCEA(id)); }

HBITMAP loadBitmap(const char* name) { return LoadBitmapA(getInstanceHandle(), name); }

HMENU loadMenu(const char* name) { return LoadMenuA(getInstanceHandle(), name); }

int loadString(UINT id, char* buffer, int size) { return LoadStringA(getInstanceHandle(), id, buffer, size); }
