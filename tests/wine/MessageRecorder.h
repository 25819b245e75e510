#pragma once
// A message recorder for in-process window tests, after Wine's msg.h: handlers
// and watched windows add the messages they see; a test then compares the
// recording with an expected sequence. pumpUntil() waits for a condition
// while dispatching messages, for X11 is asynchronous.
#include <windows.h>

#include <functional>
#include <vector>

struct RecordedMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

struct ExpectedMessage {
  enum : unsigned { kWParam = 1, kLParam = 2, kOptional = 4 };
  UINT message;
  unsigned flags;  // which parameters must match; kOptional may be missing
  WPARAM wParam;
  LPARAM lParam;
};

class MessageRecorder {
 public:
  // Records only these messages; an empty filter records everything.
  void setFilter(std::vector<UINT> messages) { filter_ = std::move(messages); }
  void add(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void clear() { messages_.clear(); }
  const std::vector<RecordedMessage>& messages() const { return messages_; }
  int count(UINT message) const;

  // Subclasses window so that every message it receives is recorded first.
  // The subclass stays until the window is destroyed.
  void watch(HWND window);

  // Compares the recording with expected and reports each difference as a
  // test failure labelled with context. True when they agree.
  bool check(const std::vector<ExpectedMessage>& expected, const char* context) const;

 private:
  static LRESULT CALLBACK watchProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  std::vector<UINT> filter_;
  std::vector<RecordedMessage> messages_;
};

// Dispatches this thread's messages until condition() holds or timeoutMs
// passes. Answers the last value of condition().
bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);
