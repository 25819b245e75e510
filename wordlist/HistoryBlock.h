#pragma once
// The history block of a word file: the PairHistory of every pair that has
// one, stored after the file's end marker 0x02. A reader that does not know
// the block stops at the end marker, so the file still opens everywhere.
// Layout, numbers little-endian:
//   8   "WDLHIST" and the version byte 1
//   4   the number of pairs of the file
//   4   the number of records N
//   11  for each of N records, in ascending pair index: the pair's index (4),
//       right answers (2), wrong answers (2), the day last asked (2) and the
//       box (1, 1 to 5)
//   8   the check sum of every byte before it (BlockCheckSum)
// The block is taken whole or not at all: a damaged block, or one made for
// another list, is ignored.
#include "wordlist/PairHistory.h"

#include <cstddef>
#include <cstdint>
#include <functional>

// Two running 32-bit sums over the bytes taken as little-endian 32-bit words,
// the last one padded with zeros: a adds the words, b adds the a's, so that
// changed, missing and exchanged words all change the sum.
class BlockCheckSum {
 public:
  void add(const char* bytes, size_t size);
  // The 8 bytes stored: a, then b, both little-endian (pending bytes are
  // padded first).
  void finish(char* sum);

 private:
  void addWord(uint32_t word) {
    a_ += word;
    b_ += a_;
  }

  uint32_t a_ = 0;
  uint32_t b_ = 0;
  unsigned char pending_[4] = {};
  size_t pendingCount_ = 0;
};

// Reads a block in place; the bytes must stay while it is used.
class HistoryBlockReader {
 public:
  // bytes: everything after the end marker (size may be 0); pairCount: the
  // pairs the file holds.
  HistoryBlockReader(const char* bytes, size_t size, uint32_t pairCount);

  // True when the bytes are exactly one whole block for pairCount pairs whose
  // check sum, indices and boxes hold.
  bool valid() const { return valid_; }
  uint32_t count() const { return valid_ ? count_ : 0; }
  // Record i (below count()).
  uint32_t indexAt(uint32_t i) const;
  PairHistory historyAt(uint32_t i) const;

 private:
  bool recordsHold(uint32_t pairCount) const;
  const unsigned char* record(uint32_t i) const;

  const unsigned char* bytes_;
  uint32_t count_ = 0;
  bool valid_ = false;
};

// Writes a block through sink, which gets it in pieces; nothing at all when
// recordCount is 0. The caller adds exactly recordCount records, in ascending
// pair index, each with a box from 1 to 5, then calls finish().
class HistoryBlockWriter {
 public:
  using Sink = std::function<void(const char* bytes, size_t size)>;

  HistoryBlockWriter(uint32_t pairCount, uint32_t recordCount, Sink sink);
  void add(uint32_t index, const PairHistory& history);
  void finish();

 private:
  void put(const void* bytes, size_t size);
  void flush();

  Sink sink_;
  bool writing_;
  BlockCheckSum sum_;
  char buffer_[4096];
  size_t used_ = 0;
};
