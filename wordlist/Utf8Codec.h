#pragma once
// The UTF-8 sequences themselves, shared by the text functions of
// wordlist/Utf8Text.h. Window-free.
#include <cstddef>
#include <cstdint>
#include <string>

const uint32_t kReplacementCharacter = 0xFFFD;

// The character of the well-formed sequence at text, and its length in
// *length; 0 in *length when the bytes there are not well-formed UTF-8.
inline uint32_t decodeUtf8(const unsigned char* text, size_t size, size_t* length) {
  unsigned char lead = text[0];
  *length = 0;
  if (lead < 0x80) {
    *length = 1;
    return lead;
  }
  size_t count;
  uint32_t character, lowest;
  if (lead >= 0xC2 && lead <= 0xDF) count = 2, character = lead & 0x1F, lowest = 0x80;
  else if (lead >= 0xE0 && lead <= 0xEF) count = 3, character = lead & 0x0F, lowest = 0x800;
  else if (lead >= 0xF0 && lead <= 0xF4) count = 4, character = lead & 0x07, lowest = 0x10000;
  else return 0;
  if (size < count) return 0;
  for (size_t i = 1; i < count; ++i) {
    if ((text[i] & 0xC0) != 0x80) return 0;
    character = character << 6 | (text[i] & 0x3F);
  }
  // Overlong forms, surrogates and characters beyond U+10FFFF are not UTF-8.
  if (character < lowest || (character >= 0xD800 && character <= 0xDFFF) || character > 0x10FFFF) return 0;
  *length = count;
  return character;
}

inline uint32_t decodeUtf8(const std::string& text, size_t at, size_t* length) {
  return decodeUtf8(reinterpret_cast<const unsigned char*>(text.data()) + at, text.size() - at, length);
}

inline void appendUtf8(std::string* out, uint32_t character) {
  if (character < 0x80) {
    out->push_back(static_cast<char>(character));
  } else if (character < 0x800) {
    out->push_back(static_cast<char>(0xC0 | character >> 6));
    out->push_back(static_cast<char>(0x80 | (character & 0x3F)));
  } else if (character < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | character >> 12));
    out->push_back(static_cast<char>(0x80 | (character >> 6 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (character & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | character >> 18));
    out->push_back(static_cast<char>(0x80 | (character >> 12 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (character >> 6 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (character & 0x3F)));
  }
}

// appendUtf8 into a buffer with room for four bytes; answers the end.
inline char* putUtf8(char* out, uint32_t character) {
  if (character < 0x80) {
    *out++ = static_cast<char>(character);
  } else if (character < 0x800) {
    *out++ = static_cast<char>(0xC0 | character >> 6);
    *out++ = static_cast<char>(0x80 | (character & 0x3F));
  } else if (character < 0x10000) {
    *out++ = static_cast<char>(0xE0 | character >> 12);
    *out++ = static_cast<char>(0x80 | (character >> 6 & 0x3F));
    *out++ = static_cast<char>(0x80 | (character & 0x3F));
  } else {
    *out++ = static_cast<char>(0xF0 | character >> 18);
    *out++ = static_cast<char>(0x80 | (character >> 12 & 0x3F));
    *out++ = static_cast<char>(0x80 | (character >> 6 & 0x3F));
    *out++ = static_cast<char>(0x80 | (character & 0x3F));
  }
  return out;
}

// The Unicode character of a code page 1252 byte, and the byte of a
// character (-1 when the code page has none).
uint32_t cp1252Character(unsigned char byte);
int cp1252Byte(uint32_t character);
