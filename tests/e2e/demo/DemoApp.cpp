// The framework demo program: registers the three-dimensional controls and
// runs DemoWindow until it is closed; the exit code is the quit message's.
#include "framework/win/ThreeDControls.h"
#include "framework/win/WinApp.h"
#include "tests/e2e/demo/DemoIds.h"
#include "tests/e2e/demo/DemoWindow.h"

namespace {

class DemoApp : public CWinApp {
 public:
  DemoApp() : CWinApp("Demo") {}

  int appInit() override { return registerThreeDControls(getInstance()) ? 0 : 1; }

  int instanceInit() override {
    DemoWindow window;
    exitCode_ = static_cast<int>(window.runModeless(nullptr, IDA_DEMO));
    if (window.hwnd) DestroyWindow(window.hwnd);
    return 0;
  }

  int instanceExit() override { return exitCode_; }

 private:
  int exitCode_ = 1;
};

DemoApp demoApp;

}  // namespace
