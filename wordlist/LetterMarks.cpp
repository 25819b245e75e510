#include "wordlist/TextEncoding.h"
#include "wordlist/Utf8Codec.h"
#include "wordlist/Utf8Text.h"

#include <array>
#include <vector>

namespace {

// Runs of letters with marks and their base letters: the character first
// has the first base, the next one the second, and so on; '.' keeps its
// character. The bases follow the canonical decompositions of Latin, Greek
// and Cyrillic, with the letters with a stroke added.
struct BaseRun {
  uint32_t first;
  const char* bases;
};

const BaseRun kBaseRuns[] = {
    {0x00C0, "AAAAAA.CEEEEIIII.NOOOOO.OUUUUY..aaaaaa.ceeeeiiii.nooooo.ouuuuy.y"},
    {0x0100, "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiI...JjKk.LlLlLl."
             ".LlNnNnNn...OoOoOo..RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZz."},
    {0x0180, "b"},
    {0x0197, "I"},
    {0x01A0, "Oo"},
    {0x01AF, "Uu"},
    {0x01B5, "Zz"},
    {0x01CD, "AaIiOoUuUuUuUuUu"},
    {0x01DE, "AaAa\xC3\x86\xC3\xA6GgGgKkOoOo\xC6\xB7\xCA\x92j"},
    {0x01F4, "Gg"},
    {0x01F8, "NnAa\xC3\x86\xC3\xA6OoAaAaEeEeIiIiOoOoRrRrUuUuSsTt"},
    {0x021E, "Hh"},
    {0x0226, "AaEeOoOoOoOoYy"},
    {0x0268, "i"},
    {0x0386, u8"Α.ΕΗΙ.Ο.ΥΩι"},
    {0x03AA, u8"ΙΥαεηιυ"},
    {0x03CA, u8"ιυουω"},
    {0x03D3, u8"ϒϒ"},
    {0x0400, u8"ЕЕ.Г...І....КИУ."},
    {0x0419, u8"И"},
    {0x0439, u8"и"},
    {0x0450, u8"ее.г...і....киу."},
    {0x0476, u8"Ѵѵ"},
    {0x04C1, u8"Жж"},
    {0x04D0, u8"АаАа..Ее..ӘәЖжЗз..ИиИиОо..ӨөЭэУуУуУуЧч..Ыы"},
    {0x1E00, "AaBbBbBbCcDdDdDdDdDdEeEeEeEeEeFfGgHhHhHhHhHhIiIiKkKkKkLlLlLlLlMmMmMm"
             "NnNnNnNnOoOoOoOoPpPpRrRrRrRrSsSsSsSsSsTtTtTtTtUuUuUuUuUuVvVvWwWwWwWwWw"
             "XxXxYyZzZzZzhtwy.\xC5\xBF"},
    {0x1EA0, "AaAaAaAaAaAaAaAaAaAaAaAaEeEeEeEeEeEeEeEeIiIiOoOoOoOoOoOoOoOoOoOoOoOo"
             "UuUuUuUuUuUuUuYyYyYyYy"},
    {0x1F00, u8"ααααααααΑΑΑΑΑΑΑΑεεεεεε..ΕΕΕΕΕΕ..ηηηηηηηηΗΗΗΗΗΗΗΗιιιιιιιιΙΙΙΙΙΙΙΙ"
             u8"οοοοοο..ΟΟΟΟΟΟ..υυυυυυυυ.Υ.Υ.Υ.ΥωωωωωωωωΩΩΩΩΩΩΩΩααεεηηιιοουυωω.."
             u8"ααααααααΑΑΑΑΑΑΑΑηηηηηηηηΗΗΗΗΗΗΗΗωωωωωωωωΩΩΩΩΩΩΩΩ"
             u8"ααααα.ααΑΑΑΑΑ.ι...ηηη.ηηΕΕΗΗΗ...ιιιι..ιιΙΙΙΙ....υυυυρρυυΥΥΥΥΡ..."
             u8"..ωωω.ωωΟΟΩΩΩ..."},
};

const uint32_t kFirstMarked = 0x00C0;
const uint32_t kLastMarked = 0x1FFF;

// baseLetter's answers from kFirstMarked to kLastMarked, 0 where a
// character keeps itself.
const std::vector<uint16_t>& baseTable() {
  static const std::vector<uint16_t> table = [] {
    std::vector<uint16_t> bases(kLastMarked - kFirstMarked + 1, 0);
    for (const BaseRun& run : kBaseRuns) {
      std::string text = run.bases;
      uint32_t character = run.first;
      for (size_t i = 0, length; i < text.size(); i += length, ++character) {
        uint32_t base = decodeUtf8(text, i, &length);
        if (base != '.') bases[character - kFirstMarked] = static_cast<uint16_t>(base);
      }
    }
    return bases;
  }();
  return table;
}

// The lenient form of each code page 1252 byte.
const std::array<unsigned char, 256>& cp1252BaseBytes() {
  static const std::array<unsigned char, 256> table = [] {
    std::array<unsigned char, 256> bytes;
    for (int byte = 0; byte < 256; ++byte) {
      int base = cp1252Byte(baseLetter(cp1252Character(static_cast<unsigned char>(byte))));
      bytes[byte] = static_cast<unsigned char>(base < 0 ? byte : base);
    }
    return bytes;
  }();
  return table;
}

}  // namespace

uint32_t baseLetter(uint32_t character) {
  if (character < kFirstMarked || character > kLastMarked) return character;
  uint16_t base = baseTable()[character - kFirstMarked];
  return base ? base : character;
}

bool isCombiningMark(uint32_t character) {
  return (character >= 0x0300 && character <= 0x036F) || (character >= 0x0483 && character <= 0x0489) ||
         (character >= 0x1AB0 && character <= 0x1AFF) || (character >= 0x1DC0 && character <= 0x1DFF) ||
         (character >= 0x20D0 && character <= 0x20FF) || (character >= 0xFE20 && character <= 0xFE2F);
}

std::string withoutMarks(const std::string& text) {
  std::string plain;
  plain.reserve(text.size());
  if (programEncoding() == TextEncoding::kCp1252) {
    const std::array<unsigned char, 256>& bases = cp1252BaseBytes();
    for (char c : text) plain.push_back(static_cast<char>(bases[static_cast<unsigned char>(c)]));
    return plain;
  }
  for (size_t i = 0, length; i < text.size(); i += length) {
    unsigned char byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      length = 1;
      plain.push_back(static_cast<char>(byte));
      continue;
    }
    uint32_t character = decodeUtf8(text, i, &length);
    if (length == 0) {
      length = 1;
      plain.push_back(static_cast<char>(byte));
    } else if (!isCombiningMark(character)) {
      appendUtf8(&plain, baseLetter(character));
    }
  }
  return plain;
}
