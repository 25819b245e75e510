#include "installer/script/KeyLineReader.h"

namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

void KeyLineReader::skipLineSpace() {
  while (*position_ == ' ' || isLineEnd(*position_)) ++position_;
}

void KeyLineReader::skipComments() {
  while (position_[0] == '/' && position_[1] == '/') {
    while (*position_ && *position_ != '\n') ++position_;
    skipLineSpace();
  }
}

void KeyLineReader::readValue(CText& value) {
  while (*position_ == ' ') ++position_;
  const char* start = position_;
  while (*position_ && !isLineEnd(*position_)) ++position_;
  value.assign(start, static_cast<int>(position_ - start));
  if (*position_ == 0) finished_ = true;
  while (isLineEnd(*position_)) ++position_;
}

bool KeyLineReader::next(CText& key, CText& value) {
  key.clear();
  value.clear();
  if (finished_) return false;
  skipLineSpace();
  skipComments();
  if (*position_ == 0) return false;
  const char* start = position_;
  for (;; ++position_) {
    char c = *position_;
    if (c == '=' || c == ' ') {
      key.assign(start, static_cast<int>(position_ - start));
      ++position_;
      if (c == ' ' && *position_ == '=') ++position_;
      readValue(value);
      return true;
    }
    if (isLineEnd(c)) {
      key.assign(start, static_cast<int>(position_ - start));
      while (isLineEnd(*position_)) ++position_;
      return true;
    }
    if (c == '[' || c == 0) {
      key.assign(start, static_cast<int>(position_ - start));
      finished_ = true;
      return true;
    }
  }
}
