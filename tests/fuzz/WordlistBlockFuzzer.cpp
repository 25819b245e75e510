// "Wordlist" clipboard blocks from any program: a block is pasted whole or not
// at all, the pasted rows never hold reserved bytes, and copying them again
// gives a block that reads back to the same rows.
#include "editor/model/WordlistBlock.h"
#include "wordlist/WordBytes.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

bool clean(const PairWord& word) {
  for (const char* p = word.c_str(); *p; ++p)
    if (isReservedWordByte(*p)) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exact copy, so that the sanitizer sees every read past the block.
  std::vector<char> block(data, data + size);
  WordRows rows;
  int offered = 0;
  bool whole = readWordlistBlock(block.data(), block.size(), [&](const char* first, const char* second, bool checked) {
    ++offered;
    return rows.append(first, second, checked);
  });
  if (!whole && offered != 0 && rows.count() == offered) std::abort();
  std::vector<int> all;
  for (int row = 0; row < rows.count(); ++row) {
    if (!clean(rows.at(row).firstWord) || !clean(rows.at(row).secondWord)) std::abort();
    all.push_back(row);
  }
  std::string copied = makeWordlistBlock(rows, all);
  WordRows again;
  if (!readWordlistBlock(copied.data(), copied.size(), [&](const char* first, const char* second, bool checked) {
        return again.append(first, second, checked);
      }))
    std::abort();
  for (int row = 0; row < rows.count(); ++row)
    if (std::strcmp(again.at(row).firstWord.c_str(), rows.at(row).firstWord.c_str()) != 0 ||
        again.checked(row) != rows.checked(row))
      std::abort();
  return 0;
}
