#include "editor/WordlistBlock.h"

#include <cstdint>
#include <cstring>

namespace {

const unsigned char kTag[2] = {0xFF, 0x01};
const size_t kHeaderSize = 6;

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
  std::string block(reinterpret_cast<const char*>(kTag), sizeof kTag);
  uint32_t count = static_cast<uint32_t>(selected.size());
  for (int shift = 0; shift < 32; shift += 8) block.push_back(static_cast<char>((count >> shift) & 0xFF));
  for (int row : selected) {
    const WordPair& pair = rows.at(row);
    block.append(pair.firstWord.c_str(), pair.firstWord.length());
    block.push_back(0);
    block.append(pair.secondWord.c_str(), pair.secondWord.length());
    block.push_back(0);
    block.push_back(rows.checked(row) ? 1 : 0);
  }
  return block;
}

bool isWordlistBlock(const char* block, size_t size) {
  return size >= sizeof kTag && std::memcmp(block, kTag, sizeof kTag) == 0;
}

bool readWordlistBlock(const char* block, size_t size,
                       const std::function<bool(const char* first, const char* second, bool checked)>& onRow) {
  if (size < kHeaderSize || !isWordlistBlock(block, size)) return false;
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(block);
  uint32_t count = bytes[2] | bytes[3] << 8 | bytes[4] << 16 | static_cast<uint32_t>(bytes[5]) << 24;
  const char* end = block + size;
  return walkRecords(block + kHeaderSize, end, count, nullptr) &&
         walkRecords(block + kHeaderSize, end, count, &onRow);
}
