#include "quiz/drill/RandomSource.h"

#include <ctime>

int RandomSource::draw() {
  state_ = state_ * 214013u + 2531011u;
  return static_cast<int>((state_ >> 16) & 0x7FFF);
}

DWORD RandomSource::drawWide() {
  DWORD high = static_cast<DWORD>(draw());
  return (high << 15) | static_cast<DWORD>(draw());
}

DWORD RandomSource::calendarSeconds() { return static_cast<DWORD>(std::time(nullptr)); }
