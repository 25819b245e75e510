#include "quiz/QuizApp.h"

#include "framework/win/ThreeDControls.h"
#include "framework/win/WinBase.h"
#include "quiz/QuizWindow.h"
#include "resources/QuizResourceIds.h"
#include "wordlist/TextEncoding.h"

#include <commctrl.h>
#include <new>
#include <vector>

namespace {

const char kTestWindowClass[] = "WDLTEST";

void appendTable(WORD id, std::vector<ACCEL>* keys) {
  HACCEL table = LoadAcceleratorsA(getInstanceHandle(), MAKEINTRESOURCEA(id));
  if (!table) return;
  int count = CopyAcceleratorTableA(table, nullptr, 0);
  size_t start = keys->size();
  keys->resize(start + count);
  CopyAcceleratorTableA(table, keys->data() + start, count);
}

// The main window's keys: table 1001 first, so that its keys win, then the
// keys of the commands that table does not know. Null when neither loads.
HACCEL mainWindowKeys() {
  std::vector<ACCEL> keys;
  appendTable(IDR_QUIZ_ACCELERATORS, &keys);
  appendTable(IDR_QUIZ_MORE_ACCELERATORS, &keys);
  return keys.empty() ? nullptr : CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size()));
}

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

// Where the system runs the program in UTF-8 (its manifest asks for it),
// words hold every script; elsewhere they stay in the code page.
int QuizApp::instanceInit() {
  if (GetACP() == CP_UTF8) setProgramEncoding(TextEncoding::kUtf8);
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
  HACCEL keys = mainWindowKeys();
  window.runModeless(nullptr, keys);
  if (keys) DestroyAcceleratorTable(keys);
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
