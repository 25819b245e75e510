#pragma once
// The history block of a word file: the PairHistory of every pair that has
// one, stored after the file's end marker 0x02. A reader that does not know
// the block stops at the end marker, so the file still opens everywhere.
// Layout, fixed-size numbers little-endian, counts as LEB128 (7 bits a byte,
// low bits first, the high bit set on every byte but the last):
//   8   "WDLHIST" and the version byte 1
//   4   the number of pairs of the file
//   4   the number of records
//   2   the latest day any record was asked (days since 1 January 1970)
//   for each record, in ascending pair index, each index at most once:
//       LEB128 the pairs passed over since the previous record (the index
//       itself for the first), LEB128 right answers, LEB128 wrong answers,
//       LEB128 (days before the latest day) * 8 + box (1 to 5)
//   8   the check sum of every byte before it (BlockCheckSum)
// A block is taken whole or not at all: a damaged block, or one made for
// another list, is ignored.
#include "wordlist/PairHistory.h"

#include <cstddef>
#include <cstdint>
#include <functional>

// Running 32-bit sums over the bytes taken as little-endian 32-bit words, the
// last one padded with zeros, dealt in turn to four lanes: in each lane a adds
// the words and b adds the a's, so that changed, missing and exchanged words
// change the sum. Four lanes let the processor add four words at once.
class BlockCheckSum {
 public:
  void add(const char* bytes, size_t size);
  // The 8 bytes stored: the sum of the four a's, then of the four b's, both
  // little-endian (pending bytes are padded first).
  void finish(char* sum);

 private:
  void addWord(uint32_t word) {
    a_[lane_] += word;
    b_[lane_] += a_[lane_];
    lane_ = (lane_ + 1) % 4;
  }

  uint32_t a_[4] = {};
  uint32_t b_[4] = {};
  unsigned lane_ = 0;
  unsigned char pending_[4] = {};
  size_t pendingCount_ = 0;
};

// Reads a block in place; the bytes must stay while it is used.
class HistoryBlockReader {
 public:
  using OnRecord = std::function<void(uint32_t index, const PairHistory& history)>;

  // bytes: everything after the end marker (size may be 0); pairCount: the
  // pairs the file holds. Checks the header and the check sum.
  HistoryBlockReader(const char* bytes, size_t size, uint32_t pairCount);

  // Hands each record to onRecord in order. False, when the header or the
  // sum did not hold (onRecord never called), or as soon as a record breaks
  // the layout's rules or the records do not fill the block exactly; the
  // caller then drops the records it was given.
  bool read(const OnRecord& onRecord) const;
  // Reads the records aside and hands them over only when all hold.
  bool readWhole(const OnRecord& onRecord) const;
  // The records the header promises (0 when the header or sum did not hold).
  uint32_t count() const { return records_ && count_ <= pairCount_ ? count_ : 0; }

  uint16_t latestDay() const { return latestDay_; }

 private:
  const unsigned char* records_ = nullptr;
  const unsigned char* end_ = nullptr;  // where the sum begins
  uint32_t pairCount_;
  uint32_t count_ = 0;
  uint16_t latestDay_ = 0;
};

// Writes a block through sink, which gets it in pieces; nothing at all when
// recordCount is 0. The caller adds exactly recordCount records, in ascending
// pair index, each with a box from 1 to 5 and asked on latestDay or before,
// then calls finish().
class HistoryBlockWriter {
 public:
  using Sink = std::function<void(const char* bytes, size_t size)>;

  HistoryBlockWriter(uint32_t pairCount, uint32_t recordCount, uint16_t latestDay, Sink sink);
  void add(uint32_t index, const PairHistory& history);
  void finish();

 private:
  void put(const void* bytes, size_t size);
  void flush();

  Sink sink_;
  bool writing_;
  uint16_t latestDay_;
  uint32_t nextIndex_ = 0;
  BlockCheckSum sum_;
  char buffer_[4096];
  size_t used_ = 0;
};
