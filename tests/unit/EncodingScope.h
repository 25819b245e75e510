#pragma once
// Sets the program's text encoding for one test and puts it back after.
#include "wordlist/TextEncoding.h"

class EncodingScope {
 public:
  explicit EncodingScope(TextEncoding encoding) : before_(programEncoding()) { setProgramEncoding(encoding); }
  ~EncodingScope() { setProgramEncoding(before_); }
  EncodingScope(const EncodingScope&) = delete;
  EncodingScope& operator=(const EncodingScope&) = delete;

 private:
  TextEncoding before_;
};
