#include "wordlist/HistoryBlock.h"

#include <cstring>

namespace {

const char kTag[8] = {'W', 'D', 'L', 'H', 'I', 'S', 'T', 1};
const size_t kHeaderSize = 16;
const size_t kRecordSize = 11;
const size_t kSumSize = 8;
const unsigned kLastBox = 5;

uint32_t read32(const unsigned char* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

uint16_t read16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

void write32(unsigned char* p, uint32_t value) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(value >> (8 * i));
}

void write16(unsigned char* p, uint16_t value) {
  p[0] = static_cast<unsigned char>(value);
  p[1] = static_cast<unsigned char>(value >> 8);
}

}  // namespace

void BlockCheckSum::add(const char* bytes, size_t size) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes);
  while (size > 0 && pendingCount_ > 0) {
    pending_[pendingCount_++] = *p++;
    --size;
    if (pendingCount_ == 4) {
      addWord(read32(pending_));
      pendingCount_ = 0;
    }
  }
  for (; size >= 4; p += 4, size -= 4) addWord(read32(p));
  for (; size > 0; --size) pending_[pendingCount_++] = *p++;
}

void BlockCheckSum::finish(char* sum) {
  if (pendingCount_ > 0) {
    while (pendingCount_ < 4) pending_[pendingCount_++] = 0;
    addWord(read32(pending_));
    pendingCount_ = 0;
  }
  unsigned char* out = reinterpret_cast<unsigned char*>(sum);
  write32(out, a_);
  write32(out + 4, b_);
}

HistoryBlockReader::HistoryBlockReader(const char* bytes, size_t size, uint32_t pairCount)
    : bytes_(reinterpret_cast<const unsigned char*>(bytes)) {
  if (size < kHeaderSize + kSumSize || std::memcmp(bytes, kTag, sizeof kTag) != 0) return;
  if (read32(bytes_ + 8) != pairCount) return;
  count_ = read32(bytes_ + 12);
  if (count_ > pairCount || (size - kHeaderSize - kSumSize) / kRecordSize != count_ ||
      (size - kHeaderSize - kSumSize) % kRecordSize != 0)
    return;
  BlockCheckSum sum;
  sum.add(bytes, size - kSumSize);
  char expected[kSumSize];
  sum.finish(expected);
  valid_ = std::memcmp(expected, bytes + size - kSumSize, kSumSize) == 0 && recordsHold(pairCount);
}

const unsigned char* HistoryBlockReader::record(uint32_t i) const { return bytes_ + kHeaderSize + i * kRecordSize; }

bool HistoryBlockReader::recordsHold(uint32_t pairCount) const {
  for (uint32_t i = 0; i < count_; ++i) {
    uint32_t index = indexAt(i);
    unsigned box = record(i)[10];
    if (index >= pairCount || (i > 0 && index <= indexAt(i - 1)) || box < 1 || box > kLastBox) return false;
  }
  return true;
}

uint32_t HistoryBlockReader::indexAt(uint32_t i) const { return read32(record(i)); }

PairHistory HistoryBlockReader::historyAt(uint32_t i) const {
  const unsigned char* p = record(i);
  PairHistory history;
  history.rightCount = read16(p + 4);
  history.wrongCount = read16(p + 6);
  history.lastAskedDay = read16(p + 8);
  history.box = p[10];
  return history;
}

HistoryBlockWriter::HistoryBlockWriter(uint32_t pairCount, uint32_t recordCount, Sink sink)
    : sink_(std::move(sink)), writing_(recordCount > 0) {
  unsigned char header[kHeaderSize];
  std::memcpy(header, kTag, sizeof kTag);
  write32(header + 8, pairCount);
  write32(header + 12, recordCount);
  put(header, sizeof header);
}

void HistoryBlockWriter::add(uint32_t index, const PairHistory& history) {
  unsigned char record[kRecordSize];
  write32(record, index);
  write16(record + 4, history.rightCount);
  write16(record + 6, history.wrongCount);
  write16(record + 8, history.lastAskedDay);
  record[10] = history.box;
  put(record, sizeof record);
}

void HistoryBlockWriter::finish() {
  flush();
  char sum[kSumSize];
  sum_.finish(sum);
  if (writing_) sink_(sum, sizeof sum);
}

void HistoryBlockWriter::put(const void* bytes, size_t size) {
  if (!writing_) return;
  if (used_ + size > sizeof buffer_) flush();
  std::memcpy(buffer_ + used_, bytes, size);
  used_ += size;
}

void HistoryBlockWriter::flush() {
  if (used_ == 0) return;
  sum_.add(buffer_, used_);
  sink_(buffer_, used_);
  used_ = 0;
}
