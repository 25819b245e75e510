#pragma once
// KeyLineReader: reads the "KEY=value" lines of one setup script section.
// "//" lines are comments; a line that starts with "[" or "=" gives an empty
// key, which ends the section. Values keep their trailing blanks and are never
// unquoted here.
#include "framework/core/Text.h"

class KeyLineReader {
 public:
  // body: the section's first character inside a NUL-terminated text that the
  // caller keeps alive.
  explicit KeyLineReader(const char* body) : position_(body) {}

  // Reads the next line into key and value; answers false when there are no
  // more lines. An empty key also ends the section.
  bool next(CText& key, CText& value);

 private:
  void skipLineSpace();
  void skipComments();
  void readValue(CText& value);

  const char* position_;
  bool finished_ = false;
};
