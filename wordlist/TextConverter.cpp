#include "wordlist/TextConverter.h"

#include "wordlist/Utf8Codec.h"

#include <cstring>

bool TextConverter::changes(const char* text, size_t length) const {
  if (!converts()) return false;
  for (size_t i = 0; i < length; ++i)
    if (static_cast<unsigned char>(text[i]) >= 0x80) return true;
  return false;
}

std::string TextConverter::convert(const char* text, size_t length) {
  std::string converted;
  return convertChanged(text, length, &converted) ? converted : std::string(text, length);
}

bool TextConverter::convertChanged(const char* text, size_t length, std::string* converted) {
  if (!converts()) return false;
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
  size_t ascii = 0;
  while (ascii < length && bytes[ascii] < 0x80) ++ascii;
  if (ascii == length) return false;
  // Code page 1252 takes at most three bytes a character in UTF-8, UTF-8 at
  // most one in code page 1252.
  converted->resize(from_ == TextEncoding::kCp1252 ? 3 * length : length);
  char* out = &(*converted)[0];
  std::memcpy(out, text, ascii);
  out += ascii;
  if (from_ == TextEncoding::kCp1252) {
    for (size_t i = ascii; i < length; ++i) {
      if (bytes[i] < 0x80) *out++ = static_cast<char>(bytes[i]);
      else out = putUtf8(out, cp1252Character(bytes[i]));
    }
  } else {
    for (size_t i = ascii, size; i < length; i += size) {
      if (bytes[i] < 0x80) {
        *out++ = static_cast<char>(bytes[i]);
        size = 1;
        continue;
      }
      // U+00C0 to U+00FF have the same number in the code page.
      if (bytes[i] == 0xC3 && i + 1 < length && (bytes[i + 1] & 0xC0) == 0x80) {
        *out++ = static_cast<char>(0xC0 | (bytes[i + 1] & 0x3F));
        size = 2;
        continue;
      }
      uint32_t character = decodeUtf8(bytes + i, length - i, &size);
      int byte = size ? cp1252Byte(character) : -1;
      if (size == 0) size = 1;
      lost_ |= byte < 0;
      *out++ = byte < 0 ? '?' : static_cast<char>(byte);
    }
  }
  converted->resize(static_cast<size_t>(out - converted->data()));
  return true;
}

void TextConverter::convert(CText* text) {
  std::string converted;
  if (convertChanged(text->c_str(), text->length(), &converted))
    text->assign(converted.c_str(), static_cast<int>(converted.size()));
}
