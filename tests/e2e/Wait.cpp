#include "tests/e2e/Wait.h"

#include "tests/e2e/WindowCapture.h"
#include "tests/wine/WineTest.h"

namespace e2e {
namespace {

const DWORD kPollInterval = 10;
std::string screenshotPrefix = "e2e";
int screenshotCount = 0;

}  // namespace

void pollPause() {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollInterval, QS_ALLINPUT);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

bool pollFor(const std::function<bool()>& condition, DWORD timeout) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= timeout) return false;
    pollPause();
  }
  return true;
}

bool waitFor(const std::function<bool()>& condition, const std::string& what, DWORD timeout) {
  if (pollFor(condition, timeout)) return true;
  failWithScreenshot("timed out after " + std::to_string(timeout) + " ms waiting for " + what);
  return false;
}

void failWithScreenshot(const std::string& message) {
  std::string path = screenshotPrefix + "-" + std::to_string(++screenshotCount) + ".bmp";
  bool saved = WindowCapture(GetDesktopWindow()).saveBitmap(path);
  winetest::fail(__FILE__, __LINE__,
                 message + (saved ? " (screenshot " + path + ")" : " (no screenshot)"));
}

void setScreenshotPrefix(const std::string& prefix) { screenshotPrefix = prefix; }

}  // namespace e2e
