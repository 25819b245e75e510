#include "tests/wine/MessageRecorder.h"

#include "tests/wine/WineTest.h"

#include <algorithm>
#include <string>

namespace {

const char kRecorderProperty[] = "MessageRecorder";
const char kProcedureProperty[] = "MessageRecorderProcedure";

std::string describe(UINT message, WPARAM wParam, LPARAM lParam) {
  char text[80];
  std::snprintf(text, sizeof text, "0x%04x(%lu, %ld)", message, static_cast<unsigned long>(wParam),
                static_cast<long>(lParam));
  return text;
}

bool matches(const ExpectedMessage& expected, const RecordedMessage& actual) {
  if (expected.message != actual.message) return false;
  if ((expected.flags & ExpectedMessage::kWParam) && expected.wParam != actual.wParam) return false;
  if ((expected.flags & ExpectedMessage::kLParam) && expected.lParam != actual.lParam) return false;
  return true;
}

}  // namespace

void MessageRecorder::add(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!filter_.empty() && std::find(filter_.begin(), filter_.end(), message) == filter_.end()) return;
  messages_.push_back({window, message, wParam, lParam});
}

int MessageRecorder::count(UINT message) const {
  return static_cast<int>(std::count_if(messages_.begin(), messages_.end(),
                                        [message](const RecordedMessage& m) { return m.message == message; }));
}

void MessageRecorder::watch(HWND window) {
  SetPropA(window, kRecorderProperty, this);
  LONG_PTR old = SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(watchProcedure));
  SetPropA(window, kProcedureProperty, reinterpret_cast<HANDLE>(old));
}

LRESULT CALLBACK MessageRecorder::watchProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageRecorder* recorder = static_cast<MessageRecorder*>(GetPropA(window, kRecorderProperty));
  WNDPROC old = reinterpret_cast<WNDPROC>(GetPropA(window, kProcedureProperty));
  if (recorder) recorder->add(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
    RemovePropA(window, kRecorderProperty);
    RemovePropA(window, kProcedureProperty);
  }
  return CallWindowProcA(old, window, message, wParam, lParam);
}

bool MessageRecorder::check(const std::vector<ExpectedMessage>& expected, const char* context) const {
  bool same = true;
  size_t actual = 0;
  for (const ExpectedMessage& want : expected) {
    if (actual < messages_.size() && matches(want, messages_[actual])) {
      ++actual;
    } else if (!(want.flags & ExpectedMessage::kOptional)) {
      std::string seen = actual < messages_.size() ? describe(messages_[actual].message, messages_[actual].wParam,
                                                              messages_[actual].lParam)
                                                   : "the end";
      winetest::fail(__FILE__, __LINE__, std::string(context) + ": expected " +
                                             describe(want.message, want.wParam, want.lParam) + ", got " + seen);
      same = false;
    }
  }
  for (; actual < messages_.size(); ++actual) {
    const RecordedMessage& extra = messages_[actual];
    winetest::fail(__FILE__, __LINE__,
                   std::string(context) + ": unexpected " + describe(extra.message, extra.wParam, extra.lParam));
    same = false;
  }
  return same;
}

bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (!condition()) {
    DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) return condition();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return true;
}
