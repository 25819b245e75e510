#include "quiz/QuizApp.h"

#include "framework/ThreeDControls.h"
#include "framework/WinBase.h"
#include "quiz/QuizWindow.h"
#include "resources/QuizResourceIds.h"

#include <commctrl.h>
#include <new>

namespace {

const char kTestWindowClass[] = "WDLTEST";

}  // namespace

QuizApp& quizApp() { return *static_cast<QuizApp*>(getApp()); }

QuizApp::QuizApp(const char* name) : CWinApp(name) {
  settings.instanceId = GetTickCount() & 0xFFFF;
  settings.messageNumber = RegisterWindowMessageA("WDLMESSAGE");
  settings.resetRunTimeFlags();
}

QuizApp::~QuizApp() {
  if (!settings.rootPath().empty()) settings.save();
}

int QuizApp::instanceInit() {
  InitCommonControls();
  registerThreeDControls(getInstance());
  CText rootPath;
  rootPath.load(QuizString::kRegistryPath);
  settings.load(rootPath.c_str());
  if (!registerTestWindowClass()) return 0;
  document = new (std::nothrow) WordList;
  if (!document) {
    CText message, caption;
    message.load(QuizString::kNoMemory);
    caption.load(QuizString::kErrorCaption);
    MessageBoxA(nullptr, message.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
    return 0;
  }
  QuizWindow window(*this);
  window.runModeless(nullptr, IDR_QUIZ_ACCELERATORS);
  return 0;
}

int QuizApp::instanceExit() {
  delete document;
  document = nullptr;
  return 0;
}

CText QuizApp::programFolder() const {
  CText path(modulePath);
  return path.left(path.findLast('\\') < 0 ? 0 : path.findLast('\\'));
}

bool QuizApp::registerTestWindowClass() {
  return CWinBase::registerClass(kTestWindowClass, CS_HREDRAW | CS_VREDRAW, LoadCursor(nullptr, IDC_ARROW),
                                 reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), loadIcon(IDI_VERBOLT));
}
