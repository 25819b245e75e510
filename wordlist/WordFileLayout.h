#pragma once
// The bytes that frame a word file: its fixed first bytes, the byte that ends
// every text and the end marker after the last pair record; and the longest
// text (a header text or a word) that its reader takes, in bytes, which is
// 32000 characters either way.
#include "wordlist/TextEncoding.h"

#include <cstddef>
#include <cstring>

// Texts in code page 1252, as every word file always had.
const char kWordFileFixedBytes[8] = {'\xFE', '\xFE', '9', '7', 'W', 'D', 'L', '\x12'};
// Texts in UTF-8. The last byte differs from the code page's fixed bytes, so
// neither kind is ever taken for the other; and a reader that knows only
// those refuses the file as an unknown format, since a text file never holds
// a 0.
const char kUtf8WordFileFixedBytes[8] = {'\xFE', '\xFE', '9', '7', 'W', 'D', 'U', '\x00'};
const char kWordFileTextEnd = 0x03;
const char kWordFileEndMarker = 0x02;
// A pair record: the first word and its 0x03, the second word and its 0x03,
// then the mark byte (any but 0 marks the pair) and one byte more, which is
// written as 0x03 and read as anything but the end marker: the record's tail
// of two bytes from the mark on.
const size_t kPairRecordTail = 2;
const unsigned kLongestWordFileText = 32000;
// The same 32000 characters in UTF-8, each of up to four bytes: any text of a
// word file in code page 1252 still fits once converted.
const unsigned kLongestUtf8WordFileText = 4 * kLongestWordFileText;

inline unsigned longestWordFileText(TextEncoding encoding) {
  return encoding == TextEncoding::kUtf8 ? kLongestUtf8WordFileText : kLongestWordFileText;
}

// True when a text of length bytes in a word file in encoding is no longer
// than its reader takes: 32000 bytes, or in UTF-8 32000 characters (counted
// by the bytes that begin one).
inline bool fitsWordFileText(const char* text, unsigned length, TextEncoding encoding) {
  if (length <= kLongestWordFileText) return true;
  if (encoding != TextEncoding::kUtf8 || length > kLongestUtf8WordFileText) return false;
  unsigned characters = 0;
  for (unsigned i = 0; i < length; ++i) characters += (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
  return characters <= kLongestWordFileText;
}

// True when a word in the program's encoding can be saved and read back: at
// most 32000 characters, which a word file in either encoding takes. Pasted
// and imported words are checked with it; the word edits take no more.
inline bool fitsWordFile(const char* word, size_t length) {
  return length <= kLongestUtf8WordFileText && fitsWordFileText(word, static_cast<unsigned>(length), programEncoding());
}

// True when the 8 bytes at first are either kind of fixed bytes; *encoding
// then says in which the file's texts are.
inline bool isWordFileStart(const char* first, TextEncoding* encoding) {
  if (std::memcmp(first, kWordFileFixedBytes, sizeof kWordFileFixedBytes) == 0) {
    *encoding = TextEncoding::kCp1252;
    return true;
  }
  if (std::memcmp(first, kUtf8WordFileFixedBytes, sizeof kUtf8WordFileFixedBytes) == 0) {
    *encoding = TextEncoding::kUtf8;
    return true;
  }
  return false;
}

inline const char* wordFileFixedBytes(TextEncoding encoding) {
  return encoding == TextEncoding::kUtf8 ? kUtf8WordFileFixedBytes : kWordFileFixedBytes;
}
