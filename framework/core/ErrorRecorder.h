#pragma once
// The process-wide error recorder: keeps the last recorded error code, which
// the comma-separated field readers set and their callers test afterwards.
class ErrorRecorder {
 public:
  enum : int {
    kQuitOn = -1,
    kQuitOff = -2,
    kMessageOn = -3,
    kMessageOff = -4,
  };
  // -1..-4 switch the two flags; any other code becomes the last code. A
  // non-zero code shows a message and quits when the flags say so.
  static void record(int code);
  static int lastCode();
};
