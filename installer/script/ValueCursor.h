#pragma once
// ValueCursor: reads the fields of one setup script value (the text after the
// key). It walks a NUL-terminated text that the caller keeps alive; no read
// ever goes past the terminating NUL.
#include "framework/core/Text.h"

class ValueCursor {
 public:
  explicit ValueCursor(const char* value) : position_(value ? value : "") {}

  bool atEnd() const { return *position_ == 0; }
  char peek() const { return *position_; }
  const char* position() const { return position_; }
  // Steps over one character; nothing happens at the end.
  void skip();
  // Steps over count characters, stopping at the end.
  void skip(int count);
  void skipBlanks();
  // Steps over the character c when it is next; answers whether it was.
  bool skipIf(char c);

  // The characters up to the first of stops (not taken) or the end.
  CText readUntil(const char* stops);
  // Steps over everything up to the first of stops (not taken) or the end.
  void skipUntil(const char* stops);
  // The characters up to an unescaped stop (not taken) or the end. A
  // backslash takes the next character literally, except that "\n", "\r" and
  // "\t" give LF, CR and TAB; a backslash at the very end is dropped.
  CText readEscaped(char stop);

 private:
  const char* position_;
};

// The character a backslash escape gives: LF, CR or TAB for n, r, t, else the
// character itself.
char escapedCharacter(char c);
