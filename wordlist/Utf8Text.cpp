#include "wordlist/Utf8Text.h"

#include <cstdint>

namespace {

const unsigned char kByteOrderMark[3] = {0xEF, 0xBB, 0xBF};
const char kReplacement = '?';

// The characters of code page 1252's bytes 0x80 to 0x9F.
const uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool hasByteOrderMark(const unsigned char* text, size_t size) {
  return size >= 3 && text[0] == kByteOrderMark[0] && text[1] == kByteOrderMark[1] && text[2] == kByteOrderMark[2];
}

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The character of the well-formed sequence at text, and its length in
// *length; 0 in *length when the bytes there are not well-formed UTF-8.
uint32_t decode(const unsigned char* text, size_t size, size_t* length) {
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
    if (!isContinuation(text[i])) return 0;
    character = character << 6 | (text[i] & 0x3F);
  }
  // Overlong forms, surrogates and characters beyond U+10FFFF are not UTF-8.
  if (character < lowest || (character >= 0xD800 && character <= 0xDFFF) || character > 0x10FFFF) return 0;
  *length = count;
  return character;
}

// The code page's byte for character, or -1 when it has none.
int toCp1252(uint32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) return static_cast<int>(character);
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] == character) return 0x80 + i;
  return -1;
}

void appendUtf8(std::string* out, uint32_t character) {
  if (character < 0x80) {
    out->push_back(static_cast<char>(character));
  } else if (character < 0x800) {
    out->push_back(static_cast<char>(0xC0 | character >> 6));
    out->push_back(static_cast<char>(0x80 | (character & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xE0 | character >> 12));
    out->push_back(static_cast<char>(0x80 | (character >> 6 & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (character & 0x3F)));
  }
}

}  // namespace

bool isUtf8Text(const char* text, size_t size) {
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
  if (hasByteOrderMark(bytes, size)) return true;
  bool beyondAscii = false;
  for (size_t i = 0, length; i < size; i += length) {
    decode(bytes + i, size - i, &length);
    if (length == 0) return false;
    beyondAscii |= length > 1;
  }
  return beyondAscii;
}

std::string utf8ToCp1252(const char* text, size_t size, std::vector<int>* badLines) {
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
  std::string out;
  out.reserve(size);
  int line = 1;
  size_t i = hasByteOrderMark(bytes, size) ? 3 : 0;
  for (size_t length; i < size; i += length ? length : 1) {
    uint32_t character = decode(bytes + i, size - i, &length);
    int converted = length ? toCp1252(character) : -1;
    if (converted < 0) {
      out.push_back(kReplacement);
      if (badLines->empty() || badLines->back() != line) badLines->push_back(line);
      continue;
    }
    if (character == '\r' || (character == '\n' && (i == 0 || bytes[i - 1] != '\r'))) ++line;
    out.push_back(static_cast<char>(converted));
  }
  return out;
}

std::string cp1252ToUtf8(const char* text, size_t size) {
  std::string out;
  out.reserve(size + size / 8);
  for (size_t i = 0; i < size; ++i) {
    unsigned char byte = static_cast<unsigned char>(text[i]);
    appendUtf8(&out, byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte);
  }
  return out;
}
