#include "wordlist/HistoryBlock.h"

#include <cstring>
#include <vector>

namespace {

const char kTag[8] = {'W', 'D', 'L', 'H', 'I', 'S', 'T', 1};
const size_t kHeaderSize = 18;
const size_t kSumSize = 8;
const size_t kLongestNumber = 5;  // LEB128 of a 32-bit number
const unsigned kLastBox = 5;
const unsigned kBoxBits = 3;
const uint32_t kMostAnswers = 0xFFFF;

uint32_t read32(const unsigned char* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void write32(unsigned char* p, uint32_t value) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(value >> (8 * i));
}

// One LEB128 number of at most 32 bits from p, which then stands after it;
// false when it runs past end or beyond 32 bits.
bool readNumber(const unsigned char*& p, const unsigned char* end, uint32_t* value) {
  if (p < end && *p < 0x80) {
    *value = *p++;
    return true;
  }
  uint64_t result = 0;
  for (int shift = 0; p < end && shift < 35; shift += 7) {
    unsigned char byte = *p++;
    result |= static_cast<uint64_t>(byte & 0x7F) << shift;
    if (byte < 0x80) {
      *value = static_cast<uint32_t>(result);
      return result <= 0xFFFFFFFFu;
    }
  }
  return false;
}

// Writes value as LEB128 to bytes; answers how many bytes it took.
size_t encodeNumber(uint32_t value, unsigned char* bytes) {
  size_t size = 0;
  for (; value >= 0x80; value >>= 7) bytes[size++] = static_cast<unsigned char>(value | 0x80);
  bytes[size++] = static_cast<unsigned char>(value);
  return size;
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
  for (; size >= 4 && lane_ != 0; p += 4, size -= 4) addWord(read32(p));
  for (; size >= 16; p += 16, size -= 16) {
    for (int lane = 0; lane < 4; ++lane) {
      a_[lane] += read32(p + 4 * lane);
      b_[lane] += a_[lane];
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
  write32(out, a_[0] + a_[1] + a_[2] + a_[3]);
  write32(out + 4, b_[0] + b_[1] + b_[2] + b_[3]);
}

HistoryBlockReader::HistoryBlockReader(const char* bytes, size_t size, uint32_t pairCount) : pairCount_(pairCount) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes);
  if (size < kHeaderSize + kSumSize || std::memcmp(bytes, kTag, sizeof kTag) != 0 || read32(p + 8) != pairCount)
    return;
  BlockCheckSum sum;
  sum.add(bytes, size - kSumSize);
  char expected[kSumSize];
  sum.finish(expected);
  if (std::memcmp(expected, bytes + size - kSumSize, kSumSize) != 0) return;
  count_ = read32(p + 12);
  latestDay_ = static_cast<uint16_t>(p[16] | p[17] << 8);
  records_ = p + kHeaderSize;
  end_ = p + size - kSumSize;
}

bool HistoryBlockReader::read(const OnRecord& onRecord) const {
  if (!records_ || count_ > pairCount_) return false;
  const unsigned char* p = records_;
  uint64_t index = 0;
  for (uint32_t i = 0; i < count_; ++i) {
    uint32_t passed, right, wrong, daysAndBox;
    if (!readNumber(p, end_, &passed) || !readNumber(p, end_, &right) || !readNumber(p, end_, &wrong) ||
        !readNumber(p, end_, &daysAndBox))
      return false;
    index += passed;
    uint32_t daysBefore = daysAndBox >> kBoxBits, box = daysAndBox & ((1u << kBoxBits) - 1);
    if (index >= pairCount_ || right > kMostAnswers || wrong > kMostAnswers || daysBefore > latestDay_ || box < 1 ||
        box > kLastBox)
      return false;
    PairHistory history;
    history.rightCount = static_cast<uint16_t>(right);
    history.wrongCount = static_cast<uint16_t>(wrong);
    history.lastAskedDay = static_cast<uint16_t>(latestDay_ - daysBefore);
    history.box = static_cast<uint8_t>(box);
    onRecord(static_cast<uint32_t>(index), history);
    ++index;
  }
  return p == end_;
}

bool HistoryBlockReader::readWhole(const OnRecord& onRecord) const {
  std::vector<std::pair<uint32_t, PairHistory>> records;
  if (!read([&](uint32_t index, const PairHistory& history) { records.emplace_back(index, history); })) return false;
  for (const auto& record : records) onRecord(record.first, record.second);
  return true;
}

HistoryBlockWriter::HistoryBlockWriter(uint32_t pairCount, uint32_t recordCount, uint16_t latestDay, Sink sink)
    : sink_(std::move(sink)), writing_(recordCount > 0), latestDay_(latestDay) {
  unsigned char header[kHeaderSize];
  std::memcpy(header, kTag, sizeof kTag);
  write32(header + 8, pairCount);
  write32(header + 12, recordCount);
  header[16] = static_cast<unsigned char>(latestDay);
  header[17] = static_cast<unsigned char>(latestDay >> 8);
  put(header, sizeof header);
}

// A record's numbers are encoded straight into the buffer.
void HistoryBlockWriter::add(uint32_t index, const PairHistory& history) {
  if (!writing_) return;
  if (used_ + 4 * kLongestNumber > sizeof buffer_) flush();
  unsigned char* bytes = reinterpret_cast<unsigned char*>(buffer_ + used_);
  size_t size = encodeNumber(index - nextIndex_, bytes);
  size += encodeNumber(history.rightCount, bytes + size);
  size += encodeNumber(history.wrongCount, bytes + size);
  size += encodeNumber(static_cast<uint32_t>(latestDay_ - history.lastAskedDay) << kBoxBits | history.box,
                       bytes + size);
  used_ += size;
  nextIndex_ = index + 1;
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
