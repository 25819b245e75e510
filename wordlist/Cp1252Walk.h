#pragma once
// The walk from UTF-8 text to code page 1252, character by character, which
// fitsCp1252 and putCp1252 share. In the header, so that the word file
// writer, which converts every word of a list, walks without a call.
// Window-free.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace Cp1252Walk {

const uint64_t kHighBits = 0x8080808080808080u;
const uint64_t kSpaces = 0x2020202020202020u;

// The code page 1252 byte of the character at in, which is not ASCII, and
// in *taken its length in bytes; -1 when the code page lacks it or the bytes
// are not well-formed UTF-8. Out of line, and given no reference to the
// walk's places, which then stay in registers: the letters of Western
// languages take the short way in putCharacter.
int otherCharacterByte(const unsigned char* in, const unsigned char* end, size_t* taken);

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
inline bool walk(const char* utf8, size_t size, char* out, size_t* length, bool* control) {
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

}  // namespace Cp1252Walk

// Puts the UTF-8 text in code page 1252 at out, which has room for size
// bytes, and its length there in *length; answers false as soon as a
// character does not fit that code page (as fitsCp1252 in wordlist/Utf8Text.h
// has it). *control, when control is given, says whether the text holds a
// control character (below 0x20).
inline bool putCp1252(const char* utf8, size_t size, char* out, size_t* length, bool* control) {
  return control ? Cp1252Walk::walk<true, true>(utf8, size, out, length, control)
                 : Cp1252Walk::walk<true, false>(utf8, size, out, length, nullptr);
}
