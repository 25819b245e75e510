#include "wordlist/MarkerBytes.h"

#include "wordlist/WordFileLayout.h"

#include <cstdint>
#include <cstring>

namespace {

const char kColorCode = 0x01;

bool isMarker(char c) { return c == kColorCode || c == kWordFileEndMarker || c == kWordFileTextEnd; }

// True when eight bytes hold 0x02 or 0x03: with its lowest bit cleared, such
// a byte becomes 0x02, and 0 after the xor.
bool eightHoldMarker(const char* bytes) {
  const uint64_t kOnes = 0x0101010101010101u, kHighBits = 0x8080808080808080u;
  uint64_t eight;
  std::memcpy(&eight, bytes, 8);
  eight = (eight & ~kOnes) ^ (kOnes * kWordFileEndMarker);
  return ((eight - kOnes) & ~eight & kHighBits) != 0;
}

}  // namespace

void dropMarkerBytes(CText* text) {
  for (int i = static_cast<int>(text->length()) - 1; i >= 0; --i)
    if (isMarker(text->at(i))) text->removeAt(i);
}

// Looks at texts of eight bytes or more eight at a time, the last eight
// overlapping the ones before.
bool holdsWordFileMarker(const char* bytes, size_t size) {
  if (size < 8) {
    for (size_t at = 0; at < size; ++at)
      if ((bytes[at] & ~1) == kWordFileEndMarker) return true;
    return false;
  }
  for (size_t at = 0; at + 8 < size; at += 8)
    if (eightHoldMarker(bytes + at)) return true;
  return eightHoldMarker(bytes + size - 8);
}
