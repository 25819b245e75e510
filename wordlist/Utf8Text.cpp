#include "wordlist/Utf8Text.h"

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

namespace {

const uint64_t kHighBits = 0x8080808080808080u;
const uint64_t kSpaces = 0x2020202020202020u;

// The code page 1252 byte of the character at in, which is not ASCII, and
// in *taken its length in bytes; -1 when the code page lacks it or the bytes
// are not well-formed UTF-8. Out of line, and given no reference to the
// walk's places, which then stay in registers: the letters of Western
// languages take the short way in putCharacter.
__attribute__((noinline)) int otherCharacterByte(const unsigned char* in, const unsigned char* end, size_t* taken) {
  int byte = cp1252Byte(decodeUtf8(in, static_cast<size_t>(end - in), taken));
  return *taken == 0 ? -1 : byte;
}

// One character that is not ASCII, at in, in code page 1252 at out[written]
// when kStore; in and written move past it. False where otherCharacterByte
// answers -1. U+00A0 to U+00FF, among them the letters of Western languages,
// are two bytes that give the code page's byte with no lookup.
template <bool kStore>
inline bool putCharacter(const unsigned char*& in, const unsigned char* end, char* out, size_t& written) {
  int byte;
  size_t taken = 2;
  if (end - in >= 2 && (in[1] & 0xC0) == 0x80 && (in[0] == 0xC3 || (in[0] == 0xC2 && in[1] >= 0xA0)))
    byte = (in[0] & 0x03) << 6 | (in[1] & 0x3F);
  else if ((byte = otherCharacterByte(in, end, &taken)) < 0)
    return false;
  if (kStore) out[written] = static_cast<char>(byte);
  ++written;
  in += taken;
  return true;
}

// Walks UTF-8 text as code page 1252, character by character, and puts the
// bytes at out when kStore; false at the first character that code page lacks
// or the first byte that is not well-formed UTF-8. Notes in *control whether
// a control character (below 0x20) passed, which costs little while the bytes
// are at hand.
template <bool kStore, bool kNoteControls>
bool walkCp1252(const char* utf8, size_t size, char* out, size_t* length, bool* control) {
  const unsigned char* in = reinterpret_cast<const unsigned char*>(utf8);
  const unsigned char* end = in + size;
  size_t written = 0;
  // Bytes below 0x20 get their high bit set here; those above one may too.
  uint64_t controls = 0;
  // Words are mostly ASCII, which stays as it is: eight bytes at a time up
  // to the first that is not, while eight are left.
  while (end - in >= 8) {
    uint64_t eight;
    std::memcpy(&eight, in, 8);
    if (kStore) std::memcpy(out + written, &eight, 8);
    if (kNoteControls) controls |= (eight - kSpaces) & ~eight;
    uint64_t high = eight & kHighBits;
    if (high == 0) {
      in += 8;
      written += 8;
      continue;
    }
    size_t plain = static_cast<size_t>(__builtin_ctzll(high)) / 8;
    in += plain;
    written += plain;
    if (!putCharacter<kStore>(in, end, out, written)) return false;
  }
  // Fewer than eight left of a text of eight or more: when the last eight
  // bytes are ASCII, those already walked among them are too, and took the
  // last places before written.
  size_t left = static_cast<size_t>(end - in);
  if (left > 0 && size >= 8) {
    uint64_t eight;
    std::memcpy(&eight, end - 8, 8);
    if ((eight & kHighBits) == 0) {
      if (kStore) std::memcpy(out + written + left - 8, &eight, 8);
      if (kNoteControls) controls |= (eight - kSpaces) & ~eight;
      in = end;
      written += left;
    }
  }
  while (in < end) {
    if (*in >= 0x80) {
      if (!putCharacter<kStore>(in, end, out, written)) return false;
      continue;
    }
    if (kNoteControls && *in < 0x20) controls |= kHighBits;
    if (kStore) out[written] = static_cast<char>(*in);
    ++written;
    ++in;
  }
  if (length) *length = written;
  if (kNoteControls) *control = (controls & kHighBits) != 0;
  return true;
}

}  // namespace

bool fitsCp1252(const std::string& utf8) { return fitsCp1252(utf8.data(), utf8.size()); }

bool fitsCp1252(const char* utf8, size_t size) { return walkCp1252<false, false>(utf8, size, nullptr, nullptr, nullptr); }

bool putCp1252(const char* utf8, size_t size, char* out, size_t* length, bool* control) {
  return control ? walkCp1252<true, true>(utf8, size, out, length, control)
                 : walkCp1252<true, false>(utf8, size, out, length, nullptr);
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
