#pragma once
// Waiting in end-to-end tests. Every wait polls its condition every few
// milliseconds while pumping this thread's messages, and ends after a timeout;
// a timeout counts as a test failure with a readable message and leaves a
// screenshot of the whole screen beside the test's output.
#include <windows.h>

#include <functional>
#include <string>

namespace e2e {

const DWORD kDefaultTimeout = 10000;

// True as soon as condition holds; false (and a failure naming what) after
// timeout milliseconds.
bool waitFor(const std::function<bool()>& condition, const std::string& what,
             DWORD timeout = kDefaultTimeout);

// True as soon as condition holds; false after timeout milliseconds, without
// a failure.
bool pollFor(const std::function<bool()>& condition, DWORD timeout);

// One poll interval, pumping this thread's messages.
void pollPause();

// Records a test failure with message and saves a screenshot of the screen.
void failWithScreenshot(const std::string& message);

// Screenshots are written to the current folder as PREFIX-N.bmp; the prefix
// starts as "e2e".
void setScreenshotPrefix(const std::string& prefix);

}  // namespace e2e
