// History blocks from any file: whatever a block holds, the records handed
// out keep the layout's rules, and a block written from any records reads
// back to them while any single changed byte makes it ignored.
#include "wordlist/HistoryBlock.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

const uint32_t kPairs = 1000;
using Records = std::vector<std::pair<uint32_t, PairHistory>>;

// The records read whole, checked against the rules; false when the block
// was not taken.
bool readChecked(const std::string& block, uint32_t pairs, Records* records) {
  HistoryBlockReader reader(block.data(), block.size(), pairs);
  bool whole = reader.readWhole([&](uint32_t index, const PairHistory& history) {
    if (index >= pairs || (!records->empty() && index <= records->back().first) || history.box < 1 ||
        history.box > 5 || history.lastAskedDay > reader.latestDay())
      std::abort();
    records->emplace_back(index, history);
  });
  if (!whole && !records->empty()) std::abort();
  return whole;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  // An exact copy, so that the sanitizer sees every read past the block.
  std::string bytes(data + 1, data + size);
  Records ignored;
  readChecked(bytes, data[0], &ignored);

  // Records made from the input: each 6 bytes give an index step and a history.
  Records made;
  uint32_t index = 0;
  for (size_t at = 1; at + 6 <= size; at += 6, ++index) {
    index += data[at] % 8;
    if (index >= kPairs) break;
    PairHistory history;
    history.rightCount = static_cast<uint16_t>(data[at + 1] | data[at + 2] << 8);
    history.wrongCount = data[at + 3];
    history.lastAskedDay = static_cast<uint16_t>(data[at + 4] << 7);
    history.box = static_cast<uint8_t>(1 + data[at + 5] % 5);
    made.emplace_back(index, history);
  }
  std::string block;
  HistoryBlockWriter writer(kPairs, static_cast<uint32_t>(made.size()), 0xFFFF,
                            [&](const char* piece, size_t length) { block.append(piece, length); });
  for (const auto& record : made) writer.add(record.first, record.second);
  writer.finish();
  Records back;
  if (!readChecked(block, kPairs, &back) && !made.empty()) std::abort();
  if (back.size() != made.size()) std::abort();
  for (size_t i = 0; i < made.size(); ++i) {
    const PairHistory &a = made[i].second, &b = back[i].second;
    if (back[i].first != made[i].first || a.rightCount != b.rightCount || a.wrongCount != b.wrongCount ||
        a.lastAskedDay != b.lastAskedDay || a.box != b.box)
      std::abort();
  }
  if (block.empty()) return 0;
  block[data[0] * 7 % block.size()] ^= static_cast<char>(1 + data[size - 1] % 255);
  Records damaged;
  if (readChecked(block, kPairs, &damaged)) std::abort();
  return 0;
}
