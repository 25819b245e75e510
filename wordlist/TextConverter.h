#pragma once
// Texts on their way between two encodings (wordlist/TextEncoding.h), such as
// a word file's and the program's: code page 1252 to UTF-8 keeps every
// character; UTF-8 to code page 1252 gives '?' for each character the code
// page lacks and remembers that some were lost. Text in plain ASCII is the
// same in both and is left alone. Window-free.
#include "framework/core/Text.h"
#include "wordlist/TextEncoding.h"

#include <cstddef>
#include <string>

class TextConverter {
 public:
  TextConverter(TextEncoding from, TextEncoding to) : from_(from), to_(to) {}

  // False when both encodings are the same and every text stays as it is.
  bool converts() const { return from_ != to_; }
  // True when text would change on the way: the encodings differ and it
  // holds a byte beyond ASCII.
  bool changes(const char* text, size_t length) const;
  std::string convert(const char* text, size_t length);
  void convert(CText* text);
  // When text changes on the way, converts it into *converted (whose memory
  // is used again) and answers true; else answers false and leaves
  // *converted alone. One pass over text.
  bool convertChanged(const char* text, size_t length, std::string* converted);
  // True once a character has become '?'.
  bool lost() const { return lost_; }

 private:
  TextEncoding from_;
  TextEncoding to_;
  bool lost_ = false;
};
