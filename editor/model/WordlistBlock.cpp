#include "editor/model/WordlistBlock.h"

#include "wordlist/TextConverter.h"
#include "wordlist/Utf8Text.h"
#include "wordlist/WordFileLayout.h"

#include <cstdint>
#include <cstring>

namespace {

// The first byte, then the second byte by the words' encoding.
const unsigned char kTag[2] = {0xFF, 0x01};
const unsigned char kUtf8TagEnd = 0x02;
const size_t kTagSize = sizeof kTag;
const size_t kHeaderSize = 6;

// Code page 1252, byte for byte as always, while every word fits it.
TextEncoding blockEncoding(const WordRows& rows, const std::vector<int>& selected) {
  if (programEncoding() == TextEncoding::kCp1252) return TextEncoding::kCp1252;
  for (int row : selected) {
    const WordPair& pair = rows.at(row);
    if (!fitsCp1252(pair.firstWord.c_str(), pair.firstWord.length()) ||
        !fitsCp1252(pair.secondWord.c_str(), pair.secondWord.length()))
      return TextEncoding::kUtf8;
  }
  return TextEncoding::kCp1252;
}

void appendWord(std::string* block, const PairWord& word, TextConverter& converter) {
  if (converter.changes(word.c_str(), word.length())) block->append(converter.convert(word.c_str(), word.length()));
  else block->append(word.c_str(), word.length());
  block->push_back(0);
}

// The end of the 0-terminated word at position, or null when no 0 byte
// follows it within end.
const char* wordEnd(const char* position, const char* end) {
  return static_cast<const char*>(std::memchr(position, 0, static_cast<size_t>(end - position)));
}

// Walks count records from position; each is handed to onRecord when given.
// False when a record is incomplete.
bool walkRecords(const char* position, const char* end, uint32_t count,
                 const std::function<bool(const char*, const char*, bool)>* onRecord) {
  for (uint32_t i = 0; i < count; ++i) {
    const char* firstEnd = wordEnd(position, end);
    const char* secondEnd = firstEnd ? wordEnd(firstEnd + 1, end) : nullptr;
    if (!secondEnd || secondEnd + 1 >= end) return false;
    if (onRecord && !(*onRecord)(position, firstEnd + 1, secondEnd[1] == 1)) return false;
    position = secondEnd + 2;
  }
  return true;
}

}  // namespace

std::string makeWordlistBlock(const WordRows& rows, const std::vector<int>& selected) {
  TextEncoding encoding = blockEncoding(rows, selected);
  std::string block(reinterpret_cast<const char*>(kTag), kTagSize);
  if (encoding == TextEncoding::kUtf8) block[1] = static_cast<char>(kUtf8TagEnd);
  uint32_t count = static_cast<uint32_t>(selected.size());
  for (int shift = 0; shift < 32; shift += 8) block.push_back(static_cast<char>((count >> shift) & 0xFF));
  TextConverter converter(programEncoding(), encoding);
  for (int row : selected) {
    const WordPair& pair = rows.at(row);
    appendWord(&block, pair.firstWord, converter);
    appendWord(&block, pair.secondWord, converter);
    block.push_back(rows.checked(row) ? 1 : 0);
  }
  return block;
}

bool isWordlistBlock(const char* block, size_t size) {
  return size >= kTagSize && static_cast<unsigned char>(block[0]) == kTag[0] &&
         (static_cast<unsigned char>(block[1]) == kTag[1] || static_cast<unsigned char>(block[1]) == kUtf8TagEnd);
}

bool readWordlistBlock(const char* block, size_t size,
                       const std::function<bool(const char* first, const char* second, bool checked)>& onRow) {
  if (size < kHeaderSize || !isWordlistBlock(block, size)) return false;
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(block);
  uint32_t count = bytes[2] | bytes[3] << 8 | bytes[4] << 16 | static_cast<uint32_t>(bytes[5]) << 24;
  const char* end = block + size;
  if (!walkRecords(block + kHeaderSize, end, count, nullptr)) return false;
  TextEncoding encoding = bytes[1] == kUtf8TagEnd ? TextEncoding::kUtf8 : TextEncoding::kCp1252;
  TextConverter converter(encoding, programEncoding());
  std::function<bool(const char*, const char*, bool)> onFitting = [&](const char* first, const char* second,
                                                                      bool checked) {
    if (!fitsWordFile(first, std::strlen(first)) || !fitsWordFile(second, std::strlen(second))) return true;
    return onRow(first, second, checked);
  };
  if (!converter.converts()) return walkRecords(block + kHeaderSize, end, count, &onFitting);
  std::function<bool(const char*, const char*, bool)> onConverted = [&](const char* first, const char* second,
                                                                         bool checked) {
    std::string firstConverted = converter.convert(first, std::strlen(first));
    std::string secondConverted = converter.convert(second, std::strlen(second));
    return onFitting(firstConverted.c_str(), secondConverted.c_str(), checked);
  };
  return walkRecords(block + kHeaderSize, end, count, &onConverted);
}
