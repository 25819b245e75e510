#pragma once
// RandomSource: the drill's and the word test's random numbers, a 32-bit
// linear congruential generator (state * 214013 + 2531011) whose draws are
// bits 16 to 30 of the state. The owner reseeds it from the clock before
// every shuffle or test draw; tests give a clock of their own.
#include "framework/core/Win32.h"

class RandomSource {
 public:
  using Clock = DWORD (*)();  // whole seconds since 1 January 1970

  explicit RandomSource(Clock clock = calendarSeconds) : clock_(clock) {}

  void seed(DWORD value) { state_ = value; }
  void reseed() { seed(clock_()); }
  int draw();  // 0 to 32767
  // Two draws joined, 0 to 2^30 - 1, for ranges wider than one draw reaches.
  DWORD drawWide();

  static DWORD calendarSeconds();

 private:
  Clock clock_;
  DWORD state_ = 0;
};
