#include "installer/script/ValueCursor.h"

#include <cstring>
#include <string>

char escapedCharacter(char c) {
  switch (c) {
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    default: return c;
  }
}

void ValueCursor::skip() {
  if (*position_) ++position_;
}

void ValueCursor::skip(int count) {
  for (int i = 0; i < count; ++i) skip();
}

void ValueCursor::skipBlanks() {
  while (*position_ == ' ') ++position_;
}

bool ValueCursor::skipIf(char c) {
  if (*position_ == 0 || *position_ != c) return false;
  ++position_;
  return true;
}

CText ValueCursor::readUntil(const char* stops) {
  const char* start = position_;
  skipUntil(stops);
  return CText(start, static_cast<int>(position_ - start));
}

void ValueCursor::skipUntil(const char* stops) {
  while (*position_ && !std::strchr(stops, *position_)) ++position_;
}

CText ValueCursor::readEscaped(char stop) {
  std::string text;
  while (*position_ && *position_ != stop) {
    if (*position_ == '\\') {
      ++position_;
      if (*position_ == 0) break;
      text += escapedCharacter(*position_);
    } else {
      text += *position_;
    }
    ++position_;
  }
  return CText(text.c_str(), static_cast<int>(text.size()));
}
