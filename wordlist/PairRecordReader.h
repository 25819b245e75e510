#pragma once
// Reads a word file from an open CDiskFile front to back through one buffer
// of fixed size: the fixed bytes and the four header texts, then the pair
// records one at a time, then what follows the end marker. Each record comes
// whole, in the buffer, which grows only for a record longer than it (words
// of tens of kilobytes), so that reading a file of any length needs no memory
// in proportion to it.
#include "framework/core/DiskFile.h"
#include "framework/core/Text.h"
#include "wordlist/TextEncoding.h"
#include "wordlist/WordFileLayout.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class PairRecordReader {
 public:
  enum class State {
    Reading,
    EndMarker,   // the records ended in the end marker
    Unended,     // the records ended with the file, which has no end marker
    Damaged,     // not a word file, a damaged header, or damaged or unended records
    ReadFailed,  // a short read or a read error
    NoMemory,
  };

  // One record in the buffer, valid until the next call: the first word, its
  // 0x03, the second word, its 0x03, then the mark byte and the byte after it.
  struct Record {
    const char* first;
    const char* second;
    const char* mark;
    size_t size() const { return static_cast<size_t>(mark + kPairRecordTail - first); }
  };

  explicit PairRecordReader(CDiskFile* file);

  // Reads from the start of the open file: its fixed bytes, either kind,
  // and passes its header texts, storing them in texts[0] to texts[3] when
  // texts is given (a longer text than the file's encoding holds is damage
  // then); false when the state is no longer Reading.
  bool passHeader(CText* const* texts = nullptr);
  // The encoding of the file's texts, by its fixed bytes.
  TextEncoding encoding() const { return encoding_; }
  // The next record; false at the end marker or on a failure (see state()).
  bool next(Record* record);
  // The next records, as many as lie whole in the buffer, one after another:
  // at least one, else false as for next().
  bool nextRecords(const char** bytes, size_t* size);
  // After the end marker: everything after it, in memory of its own.
  bool readRest(std::unique_ptr<char[]>* bytes, size_t* size);

  State state() const { return state_; }
  uint32_t recordCount() const { return recordCount_; }

 private:
  // The record at begin_ when it lies whole in the buffer.
  bool take(Record* record);
  // Takes every further record that lies whole in the buffer.
  void takeWholeRecords();
  bool fill();
  bool fail(State state);
  // The first count 0x03s (one or two) from offset from on, before the first
  // 0x02, into ends; false when the buffer holds fewer.
  bool textEnds(size_t from, const char** ends, int count) const;

  CDiskFile* file_;
  DWORD unread_ = 0;
  std::unique_ptr<char[]> buffer_;
  size_t capacity_ = 0;
  size_t begin_ = 0;       // the first byte not yet handed out
  size_t end_ = 0;         // the end of the bytes read
  size_t firstMarker_ = 0; // the first 0x02 from begin_, or end_ when none was read yet
  State state_ = State::Reading;
  TextEncoding encoding_ = TextEncoding::kCp1252;
  uint32_t recordCount_ = 0;
};
