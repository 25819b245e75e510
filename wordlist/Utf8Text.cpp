#include "wordlist/Utf8Text.h"

#include "wordlist/Cp1252Walk.h"

#include "wordlist/TextEncoding.h"
#include "wordlist/Utf8Codec.h"

#include <cstring>

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

bool inUtf8() { return programEncoding() == TextEncoding::kUtf8; }

void appendUtf16(std::wstring* out, uint32_t character) {
  if (character < 0x10000) {
    out->push_back(static_cast<wchar_t>(character));
  } else {
    character -= 0x10000;
    out->push_back(static_cast<wchar_t>(0xD800 | character >> 10));
    out->push_back(static_cast<wchar_t>(0xDC00 | (character & 0x3FF)));
  }
}

}  // namespace

uint32_t cp1252Character(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

int cp1252Byte(uint32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) return static_cast<int>(character);
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] == character) return 0x80 + i;
  return -1;
}

bool isUtf8Text(const char* text, size_t size) {
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
  if (hasByteOrderMark(bytes, size)) return true;
  bool beyondAscii = false;
  for (size_t i = 0, length; i < size; i += length) {
    decodeUtf8(bytes + i, size - i, &length);
    if (length == 0) return false;
    beyondAscii |= length > 1;
  }
  return beyondAscii;
}

bool isWellFormedUtf8(const char* text, size_t size) {
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
  for (size_t i = 0, length; i < size; i += length) {
    if (bytes[i] < 0x80) {
      length = 1;
      continue;
    }
    decodeUtf8(bytes + i, size - i, &length);
    if (length == 0) return false;
  }
  return true;
}

std::string utf8ToCp1252(const char* text, size_t size, std::vector<int>* badLines) {
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
  std::string out;
  out.reserve(size);
  int line = 1;
  size_t i = hasByteOrderMark(bytes, size) ? 3 : 0;
  for (size_t length; i < size; i += length ? length : 1) {
    uint32_t character = decodeUtf8(bytes + i, size - i, &length);
    int converted = length ? cp1252Byte(character) : -1;
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
  for (size_t i = 0; i < size; ++i) appendUtf8(&out, cp1252Character(static_cast<unsigned char>(text[i])));
  return out;
}

bool fitsCp1252(const std::string& utf8) { return fitsCp1252(utf8.data(), utf8.size()); }

bool fitsCp1252(const char* utf8, size_t size) {
  return Cp1252Walk::walk<false, false>(utf8, size, nullptr, nullptr, nullptr);
}

int Cp1252Walk::otherCharacterByte(const unsigned char* in, const unsigned char* end, size_t* taken) {
  int byte = cp1252Byte(decodeUtf8(in, static_cast<size_t>(end - in), taken));
  return *taken == 0 ? -1 : byte;
}

std::string fromUtf8(const std::string& utf8, bool* lost) {
  if (inUtf8()) return utf8;
  std::vector<int> badLines;
  std::string converted = utf8ToCp1252(utf8.data(), utf8.size(), &badLines);
  if (lost && !badLines.empty()) *lost = true;
  return converted;
}

std::string toUtf8(const std::string& text) {
  return inUtf8() ? text : cp1252ToUtf8(text.data(), text.size());
}

size_t nextCharacter(const std::string& text, size_t at) {
  if (at >= text.size()) return text.size();
  if (!inUtf8() || static_cast<unsigned char>(text[at]) < 0x80) return at + 1;
  size_t length;
  decodeUtf8(text, at, &length);
  return at + (length ? length : 1);
}

size_t previousCharacter(const std::string& text, size_t at) {
  if (at == 0) return 0;
  if (at > text.size()) at = text.size();
  if (!inUtf8()) return at - 1;
  // A well-formed sequence is at most four bytes, its first not a
  // continuation byte; anything else ending here is a stray byte.
  for (size_t back = 2; back <= 4 && back <= at; ++back) {
    if ((static_cast<unsigned char>(text[at - back + 1]) & 0xC0) != 0x80) break;
    size_t length;
    decodeUtf8(text, at - back, &length);
    if (length == back) return at - back;
  }
  return at - 1;
}

size_t characterCount(const std::string& text) {
  if (!inUtf8()) return text.size();
  size_t count = 0;
  for (size_t i = 0; i < text.size(); i = nextCharacter(text, i)) ++count;
  return count;
}

size_t cutLength(const char* text, size_t limit) {
  if (!text) return 0;
  size_t length = 0;
  while (length <= limit && text[length]) ++length;
  if (length <= limit) return length;
  std::string head(text, limit + 1);
  size_t kept = 0;
  for (size_t next = nextCharacter(head, 0); next <= limit; next = nextCharacter(head, next)) kept = next;
  return kept;
}

uint32_t characterAt(const std::string& text, size_t at) {
  if (at >= text.size()) return 0;
  unsigned char byte = static_cast<unsigned char>(text[at]);
  if (!inUtf8()) return cp1252Character(byte);
  size_t length;
  uint32_t character = decodeUtf8(text, at, &length);
  return length ? character : kReplacementCharacter;
}

std::u32string charactersOf(const std::string& text) {
  std::u32string characters;
  characters.reserve(text.size());
  for (size_t i = 0; i < text.size(); i = nextCharacter(text, i)) characters.push_back(characterAt(text, i));
  return characters;
}

std::wstring utf16Of(const std::string& text) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); i = nextCharacter(text, i)) appendUtf16(&out, characterAt(text, i));
  return out;
}

std::string utf16ToUtf8(const std::wstring& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    uint32_t character = static_cast<uint32_t>(text[i]) & 0xFFFF;
    if (character >= 0xD800 && character <= 0xDBFF && i + 1 < text.size()) {
      uint32_t low = static_cast<uint32_t>(text[i + 1]) & 0xFFFF;
      if (low >= 0xDC00 && low <= 0xDFFF) {
        character = 0x10000 + ((character - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    appendUtf8(&out, character >= 0xD800 && character <= 0xDFFF ? kReplacementCharacter : character);
  }
  return out;
}

std::string fromUtf16(const std::wstring& text) {
  std::string utf8 = utf16ToUtf8(text);
  return fromUtf8(utf8, nullptr);
}
