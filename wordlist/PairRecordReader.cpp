#include "wordlist/PairRecordReader.h"

#include "wordlist/WordFileLayout.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

const size_t kBufferSize = 64 * 1024;
const size_t kSpareBytes = 8;
const int kHeaderTexts = 4;

// Words are short: eight bytes are looked at together, each 0x03 among them
// marked by its high bit, exactly (it becomes 0 after the xor, and only a 0
// keeps its high bit clear through the sum and the or). The buffer's spare
// bytes after the bytes read let the last eight reach past them.
uint64_t textEndsIn(const char* position) {
  const uint64_t kOnes = 0x0101010101010101u, kLowBits = 0x7F7F7F7F7F7F7F7Fu;
  uint64_t eight;
  std::memcpy(&eight, position, 8);
  eight ^= kOnes * kWordFileTextEnd;
  return ~(((eight & kLowBits) + kLowBits) | eight | kLowBits);
}

}  // namespace

PairRecordReader::PairRecordReader(CDiskFile* file) : file_(file) {}

bool PairRecordReader::passHeader(CText* const* texts) {
  buffer_.reset(new (std::nothrow) char[kBufferSize + kSpareBytes]);
  if (!buffer_) return fail(State::NoMemory);
  capacity_ = kBufferSize;
  DWORD length = file_->length();
  if (length == INVALID_FILE_SIZE) return fail(State::ReadFailed);
  file_->seek(0, FILE_BEGIN, nullptr);
  unread_ = length;
  while (end_ - begin_ < sizeof kWordFileFixedBytes)
    if (!fill()) return false;
  if (!isWordFileStart(buffer_.get() + begin_, &encoding_)) return fail(State::Damaged);
  begin_ += sizeof kWordFileFixedBytes;
  for (int text = 0; text < kHeaderTexts;) {
    const char* end;
    if (textEnds(begin_, &end, 1)) {
      const char* start = buffer_.get() + begin_;
      unsigned length = static_cast<unsigned>(end - start);
      if (texts && length > longestWordFileText(encoding_)) return fail(State::Damaged);
      if (texts) texts[text]->assign(start, static_cast<int>(length));
      begin_ = static_cast<size_t>(end + 1 - buffer_.get());
      ++text;
    } else if (firstMarker_ < end_) {
      return fail(State::Damaged);
    } else if (!fill()) {
      return false;
    }
  }
  return true;
}

// A record is taken only when it lies whole before the first 0x02 in the
// buffer; one that reaches that 0x02 is damaged, one that reaches the end of
// the bytes read waits for more.
bool PairRecordReader::next(Record* record) {
  while (state_ == State::Reading) {
    if (begin_ == firstMarker_ && begin_ < end_) {
      begin_ = firstMarker_ + 1;
      state_ = State::EndMarker;
      return false;
    }
    if (take(record)) return true;
    if (firstMarker_ < end_) return fail(State::Damaged);
    if (begin_ == end_ && unread_ == 0) return fail(State::Unended);
    fill();
  }
  return false;
}

bool PairRecordReader::nextRecords(const char** bytes, size_t* size) {
  Record record;
  if (!next(&record)) return false;
  *bytes = record.first;
  takeWholeRecords();
  *size = static_cast<size_t>(buffer_.get() + begin_ - *bytes);
  return true;
}

// The records from begin_ on that lie whole before the first 0x02, in one
// walk over their bytes: each record's second 0x03 ends its texts, and the
// two bytes after it are its tail, whatever they hold.
void PairRecordReader::takeWholeRecords() {
  const char* bytes = buffer_.get();
  const char* limit = bytes + firstMarker_;
  const char* taken = bytes + begin_;  // the end of the last whole record
  bool inSecond = false;
  for (const char* position = taken; position < limit; position += 8) {
    for (uint64_t marks = textEndsIn(position); marks; marks &= marks - 1) {
      const char* end = position + __builtin_ctzll(marks) / 8;
      if (end < taken) continue;  // in the tail of the record before
      if (!inSecond) {
        inSecond = true;
        continue;
      }
      inSecond = false;
      if (end + 1 + kPairRecordTail > limit) {
        begin_ = static_cast<size_t>(taken - bytes);
        return;
      }
      taken = end + 1 + kPairRecordTail;
      ++recordCount_;
    }
  }
  begin_ = static_cast<size_t>(taken - bytes);
}

bool PairRecordReader::take(Record* record) {
  const char* bytes = buffer_.get();
  const char* ends[2];
  if (!textEnds(begin_, ends, 2)) return false;
  const char* end = ends[1] + 1 + kPairRecordTail;
  if (static_cast<size_t>(end - bytes) > firstMarker_) return false;
  record->first = bytes + begin_;
  record->second = ends[0] + 1;
  record->mark = ends[1] + 1;
  begin_ = static_cast<size_t>(end - bytes);
  ++recordCount_;
  return true;
}

bool PairRecordReader::readRest(std::unique_ptr<char[]>* bytes, size_t* size) {
  size_t buffered = end_ - begin_;
  *size = buffered + unread_;
  bytes->reset(new (std::nothrow) char[*size + 1]);
  if (!*bytes) return fail(State::NoMemory);
  std::memcpy(bytes->get(), buffer_.get() + begin_, buffered);
  if (unread_ > 0 && file_->read(bytes->get() + buffered, unread_, nullptr) != unread_)
    return fail(State::ReadFailed);
  begin_ = end_;
  unread_ = 0;
  return true;
}

// Keeps the bytes not handed out, moved to the front, and reads more after
// them; the buffer doubles when they fill it. A file that ends here ends
// without the end it needs: damaged.
bool PairRecordReader::fill() {
  if (unread_ == 0) return fail(State::Damaged);
  if (begin_ > 0) {
    std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    firstMarker_ -= begin_;
    begin_ = 0;
  }
  if (end_ == capacity_) {
    std::unique_ptr<char[]> larger(new (std::nothrow) char[2 * capacity_ + kSpareBytes]);
    if (!larger) return fail(State::NoMemory);
    std::memcpy(larger.get(), buffer_.get(), end_);
    buffer_ = std::move(larger);
    capacity_ *= 2;
  }
  DWORD count = static_cast<DWORD>(std::min<size_t>(capacity_ - end_, unread_));
  if (file_->read(buffer_.get() + end_, count, nullptr) != count) return fail(State::ReadFailed);
  unread_ -= count;
  if (firstMarker_ == end_) {
    const void* marker = std::memchr(buffer_.get() + end_, kWordFileEndMarker, count);
    firstMarker_ = marker ? static_cast<size_t>(static_cast<const char*>(marker) - buffer_.get()) : end_ + count;
  }
  end_ += count;
  std::memset(buffer_.get() + end_, 0, kSpareBytes);
  return true;
}

bool PairRecordReader::fail(State state) {
  state_ = state;
  return false;
}

bool PairRecordReader::textEnds(size_t from, const char** ends, int count) const {
  const char* limit = buffer_.get() + firstMarker_;
  int found = 0;
  for (const char* position = buffer_.get() + from; position < limit; position += 8) {
    for (uint64_t marks = textEndsIn(position); marks; marks &= marks - 1) {
      const char* end = position + __builtin_ctzll(marks) / 8;
      if (end >= limit) return false;
      ends[found++] = end;
      if (found == count) return true;
    }
  }
  return false;
}
