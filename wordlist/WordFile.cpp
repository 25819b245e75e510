#include "wordlist/WordFile.h"

#include "framework/core/BufferedWriter.h"
#include "framework/core/ReplacingFile.h"
#include "resources/QuizResourceIds.h"
#include "wordlist/Cp1252Walk.h"
#include "wordlist/FileContents.h"
#include "wordlist/HistoryBlock.h"
#include "wordlist/MarkerBytes.h"
#include "wordlist/PairRecordReader.h"
#include "wordlist/QzlReader.h"
#include "wordlist/TextConverter.h"
#include "wordlist/Utf8Text.h"
#include "wordlist/WordFileLayout.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <new>
#include <vector>

namespace {

const size_t kFixedSize = sizeof kWordFileFixedBytes;
const char kQzlTag[6] = {'"', 'W', 'd', 'l', '1', '1'};
const char kEndMarker = kWordFileEndMarker;
const char kTextEnd = kWordFileTextEnd;
const unsigned kReadFlags = CDiskFile::kRead | CDiskFile::kShareDenyWrite;
const unsigned kMaxSummaryText = 10000;

// Reads one text up to its 0x03 from position, which then stands after it.
// A 0x02 inside, or more than limit bytes, fails; a 0x00 ends the stored text.
bool readField(const char*& position, unsigned limit, CText* text) {
  const char* start = position;
  while (*position != kTextEnd) {
    if (*position == kEndMarker) return false;
    ++position;
  }
  unsigned length = static_cast<unsigned>(position - start);
  if (length > limit) return false;
  text->assign(start, static_cast<int>(length));
  ++position;
  return true;
}

// The header's four texts of a word file read whole into contents, after
// its fixed bytes; position then stands after them. An end marker is put
// after the file's last byte, so that a file cut short ends there.
bool readHeader(FileContents& contents, unsigned limit, CText* const (&texts)[4], const char** position) {
  contents.bytes[contents.size] = kEndMarker;
  *position = contents.bytes.get() + kFixedSize;
  for (CText* text : texts)
    if (!readField(*position, limit, text)) return false;
  return true;
}

// Reads one word up to its 0x03 in place: the 0x03 becomes the word's ending
// 0, and a 0 inside ends the word as it does for every text. Same failures as
// readField.
bool readWordInPlace(char*& position, TextEncoding encoding, const char** word, unsigned* length) {
  char* start = position;
  char* firstZero = nullptr;
  for (;;) {
    // Every byte above the markers is part of the word; this loop is where
    // opening a big list spends its time.
    while (static_cast<unsigned char>(*position) > kTextEnd) ++position;
    if (*position == kTextEnd) break;
    if (*position == kEndMarker) return false;
    if (*position == 0 && !firstZero) firstZero = position;
    ++position;
  }
  if (!fitsWordFileText(start, static_cast<unsigned>(position - start), encoding)) return false;
  *position++ = 0;
  *word = start;
  *length = static_cast<unsigned>((firstZero ? firstZero : position - 1) - start);
  return true;
}

// The UTF-8 of the code page 1252 bytes from 0x80 on, in one to three bytes.
struct Utf8Bytes {
  char bytes[3];
  unsigned char size;
};

const std::array<Utf8Bytes, 128>& highBytesInUtf8() {
  static const std::array<Utf8Bytes, 128> table = [] {
    std::array<Utf8Bytes, 128> bytes{};
    for (int byte = 0x80; byte < 0x100; ++byte) {
      char one = static_cast<char>(byte);
      std::string utf8 = cp1252ToUtf8(&one, 1);
      Utf8Bytes& entry = bytes[byte - 0x80];
      utf8.copy(entry.bytes, utf8.size());
      entry.size = static_cast<unsigned char>(utf8.size());
    }
    return bytes;
  }();
  return table;
}

const uint64_t kOnes = 0x0101010101010101u, kHighBits = 0x8080808080808080u;

// The high bit of each of eight bytes that is not ASCII above the markers,
// that is from 0 to 0x03 or from 0x80. Only the lowest is sure to be right:
// what lies above it may be marked too.
uint64_t notPlainAscii(uint64_t eight) {
  uint64_t cleared = eight & ~(kOnes * 3);
  return (eight | ((cleared - kOnes) & ~cleared)) & kHighBits;
}

// Converts one word of a code page 1252 file, which ends in 0x03 and holds no
// 0x02, into UTF-8 at out, and its ending 0; in then stands on the 0x03, out
// after the 0. Eight bytes go at a time as far as they are plain ASCII, so
// both in and out must have eight bytes to spare. A 0 inside ends the word
// (*firstZero) as it does for every text.
void convertWord(const char*& in, char*& out, char** firstZero) {
  const std::array<Utf8Bytes, 128>& utf8 = highBytesInUtf8();
  *firstZero = nullptr;
  for (;;) {
    uint64_t eight;
    std::memcpy(&eight, in, 8);
    std::memcpy(out, &eight, 8);
    uint64_t special = notPlainAscii(eight);
    if (special == 0) {
      in += 8;
      out += 8;
      continue;
    }
    unsigned plain = static_cast<unsigned>(__builtin_ctzll(special)) / 8;
    in += plain;
    out += plain;
    unsigned char byte = static_cast<unsigned char>(*in);
    if (byte == kTextEnd) break;
    if (byte >= 0x80) {
      // All three bytes are copied; a shorter sequence leaves the rest to
      // what follows it.
      const Utf8Bytes& sequence = utf8[byte - 0x80];
      std::memcpy(out, sequence.bytes, 3);
      out += sequence.size;
    } else {
      if (byte == 0 && !*firstZero) *firstZero = out;
      *out++ = static_cast<char>(byte);
    }
    ++in;
  }
  *out++ = 0;
}

// Blocks of converted words that the list keeps, taken one after another.
class ConvertedWords {
 public:
  explicit ConvertedWords(CPairList& pairs) : pairs_(pairs) {}

  // Room for size bytes, in the current block or a new one; null when memory
  // cannot be had.
  char* room(size_t size) {
    if (size > left()) {
      size_t blockSize = size > kBlockSize ? size : kBlockSize;
      std::unique_ptr<char[]> block(new (std::nothrow) char[blockSize]);
      if (!block) return nullptr;
      free_ = block.get();
      end_ = free_ + blockSize;
      if (!pairs_.adoptBlock(std::move(block))) return nullptr;
    }
    return free_;
  }
  void used(char* end) { free_ = end; }

 private:
  static const size_t kBlockSize = 1024 * 1024;
  size_t left() const { return static_cast<size_t>(end_ - free_); }

  CPairList& pairs_;
  char* free_ = nullptr;
  char* end_ = nullptr;
};

// The records of one run, whole and in order, converted into the list.
FileResult convertRecords(const char* in, size_t size, ConvertedWords& words, CPairList& pairs) {
  // Each byte takes three at most in UTF-8, and the words their ending 0s.
  char* out = words.room(3 * size + 8);
  if (!out) return FileResult::NoMemory;
  for (const char* end = in + size; in < end; in += kPairRecordTail) {
    const char* firstStart = in;
    char *first = out, *firstZero;
    convertWord(in, out, &firstZero);
    const char* secondStart = ++in;
    char *second = out, *secondZero;
    convertWord(in, out, &secondZero);
    if (static_cast<unsigned>(secondStart - 1 - firstStart) > kLongestWordFileText ||
        static_cast<unsigned>(in - secondStart) > kLongestWordFileText)
      return FileResult::Invalid;
    unsigned firstLength = static_cast<unsigned>((firstZero ? firstZero : second - 1) - first);
    unsigned secondLength = static_cast<unsigned>((secondZero ? secondZero : out - 1) - second);
    ++in;
    if (pairs.appendInPlace(first, firstLength, second, secondLength, *in != 0 ? 1 : 0) < 0)
      return FileResult::NoMemory;
  }
  words.used(out);
  return FileResult::Ok;
}

FileResult readerFailure(PairRecordReader::State state) {
  return state == PairRecordReader::State::NoMemory ? FileResult::NoMemory : FileResult::Invalid;
}

// A pair whose words converter changes gets converted copies; the other
// pairs' words stay in the file's bytes, which the list keeps.
int appendPair(CPairList& pairs, const char* first, unsigned firstLength, const char* second,
               unsigned secondLength, unsigned char mark, TextConverter& converter) {
  if (!converter.changes(first, firstLength) && !converter.changes(second, secondLength))
    return pairs.appendInPlace(first, firstLength, second, secondLength, mark);
  std::string firstConverted = converter.convert(first, firstLength);
  std::string secondConverted = converter.convert(second, secondLength);
  return pairs.append(firstConverted.c_str(), secondConverted.c_str(), mark);
}

// position ends at the end marker.
FileResult readPairs(char*& position, TextEncoding encoding, CPairList& pairs, TextConverter& converter) {
  const char *first, *second;
  unsigned firstLength, secondLength;
  while (*position != kEndMarker) {
    if (!readWordInPlace(position, encoding, &first, &firstLength) ||
        !readWordInPlace(position, encoding, &second, &secondLength))
      return FileResult::Invalid;
    if (position[0] == kEndMarker || position[1] == kEndMarker) return FileResult::Invalid;
    unsigned char mark = position[0] != 0 ? 1 : 0;
    int id = converter.converts() ? appendPair(pairs, first, firstLength, second, secondLength, mark, converter)
                                  : pairs.appendInPlace(first, firstLength, second, secondLength, mark);
    if (id < 0) return FileResult::NoMemory;
    position += kPairRecordTail;
  }
  return FileResult::Ok;
}

// Hands the histories of a valid history block to their pairs. A block that
// is not valid is ignored, and so are the histories already handed out of
// one whose records turn out not to hold.
FileResult readHistories(const char* block, size_t size, CPairList& pairs) {
  // The histories are taken from the word store a batch at a time, in pieces
  // that share its blocks.
  const uint32_t kBatch = 4096;
  HistoryBlockReader reader(block, size, static_cast<uint32_t>(pairs.count()));
  uint32_t unread = reader.count(), left = 0;
  PairHistory* batch = nullptr;
  WordPair* pair = pairs.head();
  uint32_t at = 0;
  bool memory = true;
  bool whole = reader.read([&](uint32_t index, const PairHistory& history) {
    if (left == 0) {
      left = unread < kBatch ? unread : kBatch;
      unread -= left;
      batch = pairs.allocateHistories(left);
    }
    for (; at < index; ++at) pair = pair->next;
    memory &= batch != nullptr;
    if (batch) pair->history = &(*batch++ = history);
    --left;
  });
  if (!whole)
    for (pair = pairs.head(); pair; pair = pair->next) pair->history = nullptr;
  return memory ? FileResult::Ok : FileResult::NoMemory;
}

// A word file in code page 1252 where the program's texts are UTF-8: read
// through the record reader's buffer and converted into blocks the list keeps,
// so that the file's own bytes need no memory in proportion to them.
FileResult readWordFileIntoUtf8(WordList& list, CDiskFile& file) {
  PairRecordReader reader(&file);
  CText* const header[] = {&list.firstLanguage, &list.secondLanguage, &list.author, &list.information};
  if (!reader.passHeader(header)) return readerFailure(reader.state());
  TextConverter converter(TextEncoding::kCp1252, TextEncoding::kUtf8);
  for (CText* text : header) converter.convert(text);
  list.charactersLost = false;
  list.pairs.clear();
  ConvertedWords words(list.pairs);
  const char* records;
  size_t size;
  while (reader.nextRecords(&records, &size)) {
    FileResult result = convertRecords(records, size, words, list.pairs);
    if (result != FileResult::Ok) return result;
  }
  if (reader.state() == PairRecordReader::State::EndMarker) {
    std::unique_ptr<char[]> rest;
    if (!reader.readRest(&rest, &size)) return readerFailure(reader.state());
    FileResult result = readHistories(rest.get(), size, list.pairs);
    if (result != FileResult::Ok) return result;
  } else if (reader.state() != PairRecordReader::State::Unended) {
    return readerFailure(reader.state());
  }
  list.format = kFormatWordFile;
  return FileResult::Ok;
}

// The texts of a word file in encoding into the program's texts.
FileResult readWordFile(WordList& list, CDiskFile& file, TextEncoding encoding) {
  if (encoding == TextEncoding::kCp1252 && programEncoding() == TextEncoding::kUtf8)
    return readWordFileIntoUtf8(list, file);
  FileContents contents;
  FileResult result = contents.read(file);
  if (result != FileResult::Ok) return result;
  CText* const header[] = {&list.firstLanguage, &list.secondLanguage, &list.author, &list.information};
  const char* afterHeader;
  if (!readHeader(contents, longestWordFileText(encoding), header, &afterHeader)) return FileResult::Invalid;
  TextConverter converter(encoding, programEncoding());
  for (CText* text : header) converter.convert(text);
  // The words are read in place, where the 0x03 after each becomes its 0.
  char* position = contents.bytes.get() + (afterHeader - contents.bytes.get());
  list.pairs.clear();
  const char* end = contents.bytes.get() + contents.size;
  if (!list.pairs.adoptBlock(std::move(contents.bytes))) return FileResult::NoMemory;
  result = readPairs(position, encoding, list.pairs, converter);
  list.charactersLost = converter.lost();
  // A file cut short ends in the end marker put after its last byte.
  if (result == FileResult::Ok && position < end)
    result = readHistories(position + 1, static_cast<size_t>(end - position - 1), list.pairs);
  if (result != FileResult::Ok) return result;
  list.format = kFormatWordFile;
  return result;
}

// A text of fewer than 8 bytes, as the text writer makes for an empty list or
// one short pair: no control byte below a tab, and not the start of a word
// file cut short.
bool isShortText(const char* bytes, DWORD size) {
  if (size > 0 && (std::memcmp(bytes, kWordFileFixedBytes, size) == 0 ||
                   std::memcmp(bytes, kUtf8WordFileFixedBytes, size) == 0))
    return false;
  for (DWORD i = 0; i < size; ++i)
    if (static_cast<unsigned char>(bytes[i]) < '\t') return false;
  return true;
}

FileResult readByFirstBytes(WordList& list, const InvalidLineQuestion& question) {
  CDiskFile file;
  if (!file.open(list.fileName.c_str(), kReadFlags, nullptr)) return FileResult::CannotOpen;
  char first[kFixedSize];
  DWORD size = file.length();
  if (size < sizeof first) {
    if (size > 0 && file.read(first, size, nullptr) != size) return FileResult::Invalid;
    if (!isShortText(first, size)) return FileResult::Invalid;
    file.close();
    return readText(list, false, question);
  }
  if (file.read(first, sizeof first, nullptr) != sizeof first) return FileResult::Invalid;
  if (std::memcmp(first, kQzlTag, sizeof kQzlTag) == 0) return readQzlFile(list, file);
  TextEncoding encoding;
  if (isWordFileStart(first, &encoding)) return readWordFile(list, file, encoding);
  file.close();
  return readText(list, false, question);
}

// The file marks its texts with 0x02 and 0x03 and cannot escape them: a text
// holding one would be read back as other texts, or not at all. Such a text
// is not written and makes the whole write fail; the texts are searched for
// one while searching is on. Each text goes from the program's encoding into
// the file's; the first that the file's encoding cannot hold stops the
// writing.
class RecordWriter {
 public:
  RecordWriter(CDiskFile* file, TextEncoding encoding)
      : writer_(file, nullptr),
        toCp1252_(encoding == TextEncoding::kCp1252 && programEncoding() == TextEncoding::kUtf8) {}

  template <class Text>
  void text(const Text& text) {
    if (toCp1252_) convertedText(text.c_str(), text.length());
    else bytesOfText(text.c_str(), text.length());
  }
  void byte(char value) { writer_.write(value); }
  void bytes(const char* bytes, size_t size) { writer_.write(bytes, static_cast<unsigned>(size)); }
  // Off for the words of a pair list that knows none of them holds a marker.
  void searchMarkers(bool search) { searchMarkers_ = search; }
  bool storable() const { return storable_; }
  // False once a text did not fit the file's encoding.
  bool fits() const { return fits_; }
  bool flush() { return writer_.flush(); }

 private:
  void bytesOfText(const char* bytes, size_t size) {
    if (searchMarkers_ && holdsWordFileMarker(bytes, size)) storable_ = false;
    writer_.write(bytes, static_cast<unsigned>(size));
    writer_.write(kTextEnd);
  }

  void convertedText(const char* text, size_t size) {
    if (size > kLongestInRoom) {
      fits_ = fits_ && convertThroughCopy(text, size);
      return;
    }
    // Converted straight into the writer's buffer, its end marker after it.
    char* out = writer_.room(static_cast<unsigned>(size) + 1);
    size_t length;
    bool control = false;
    fits_ = fits_ && putCp1252(text, size, out, &length, searchMarkers_ ? &control : nullptr);
    if (!fits_) return;
    if (searchMarkers_ && control && holdsWordFileMarker(out, length)) storable_ = false;
    out[length] = kTextEnd;
    writer_.used(static_cast<unsigned>(length) + 1);
  }

  // Texts longer than the room the writer hands out, words of many thousand
  // characters, go through a copy of their own.
  static const size_t kLongestInRoom = CBufferedWriter::kMostRoom - 1;

  bool convertThroughCopy(const char* text, size_t size) {
    std::vector<char> converted(size);
    size_t length;
    if (!putCp1252(text, size, converted.data(), &length, nullptr)) return false;
    bytesOfText(converted.data(), length);
    return true;
  }

  CBufferedWriter writer_;
  bool toCp1252_;
  bool searchMarkers_ = true;
  bool storable_ = true;
  bool fits_ = true;
};

bool hasHistory(const WordPair* pair) { return pair->history && pair->history->box != 0; }

// The pairs with a history and the latest day one of them was asked.
struct HistoryCount {
  uint32_t pairs = 0;
  uint16_t latestDay = 0;

  void add(const WordPair* pair) {
    if (!hasHistory(pair)) return;
    ++pairs;
    if (pair->history->lastAskedDay > latestDay) latestDay = pair->history->lastAskedDay;
  }
};

void writeHistories(RecordWriter& writer, const CPairList& pairs, const HistoryCount& count) {
  if (count.pairs == 0) return;  // no block at all, and no second walk through the pairs
  HistoryBlockWriter block(static_cast<uint32_t>(pairs.count()), count.pairs, count.latestDay,
                           [&](const char* bytes, size_t size) { writer.bytes(bytes, size); });
  uint32_t index = 0;
  for (WordPair* pair = pairs.head(); pair; pair = pair->next, ++index)
    if (hasHistory(pair)) block.add(index, *pair->history);
  block.finish();
}

// The pair records of a word file in bytes from position, whose texts are in
// encoding, compared with the words of pairs: the end marker when all of
// them agree, else null.
const char* sameRecords(const char* position, const char* end, const CPairList& pairs, TextEncoding encoding) {
  TextConverter converter(programEncoding(), encoding);
  std::string converted;
  for (WordPair* pair = pairs.head(); pair; pair = pair->next) {
    for (const PairWord* word : {&pair->firstWord, &pair->secondWord}) {
      const char* text = word->c_str();
      size_t length = word->length();
      if (converter.changes(text, length)) {
        converted = converter.convert(text, length);
        text = converted.data();
        length = converted.size();
      }
      if (converter.lost() || static_cast<size_t>(end - position) <= length ||
          std::memcmp(position, text, length) != 0 || position[length] != kTextEnd)
        return nullptr;
      position += length + 1;
    }
    if (end - position < static_cast<ptrdiff_t>(kPairRecordTail) || position[0] == kEndMarker ||
        position[1] == kEndMarker)
      return nullptr;
    position += kPairRecordTail;
  }
  return position < end && *position == kEndMarker ? position : nullptr;
}

enum class Written { kDone, kFailed, kDoesNotFit };

// The word file of list in encoding from file's position on; stops at the
// first text that encoding cannot hold.
Written writeRecords(const WordList& list, CDiskFile* file, TextEncoding encoding) {
  RecordWriter writer(file, encoding);
  writer.bytes(wordFileFixedBytes(encoding), kFixedSize);
  for (const CText* text : {&list.firstLanguage, &list.secondLanguage, &list.author, &list.information})
    writer.text(*text);
  writer.searchMarkers(list.pairs.mayHoldFileMarkers());
  HistoryCount histories;
  for (WordPair* pair = list.pairs.head(); pair && writer.storable() && writer.fits(); pair = pair->next) {
    writer.text(pair->firstWord);
    writer.text(pair->secondWord);
    writer.byte(pair->marked() ? 1 : 0);
    writer.byte(kTextEnd);
    histories.add(pair);
  }
  if (!writer.fits()) return Written::kDoesNotFit;
  writer.byte(kEndMarker);
  writeHistories(writer, list.pairs, histories);
  return writer.flush() && writer.storable() ? Written::kDone : Written::kFailed;
}

}  // namespace

const char* fileResultName(FileResult result) {
  switch (result) {
    case FileResult::Ok: return "Ok";
    case FileResult::CannotOpen: return "CannotOpen";
    case FileResult::Invalid: return "Invalid";
    case FileResult::UnknownFormat: return "UnknownFormat";
    case FileResult::NoMemory: return "NoMemory";
    case FileResult::OldFormat: return "OldFormat";
    case FileResult::CannotCreate: return "CannotCreate";
    case FileResult::CannotWrite: return "CannotWrite";
  }
  return "Unknown";
}

UINT fileResultMessageId(FileResult result) {
  switch (result) {
    case FileResult::CannotOpen: return QuizString::kOpenNotFound;
    case FileResult::UnknownFormat: return QuizString::kOpenUnknownFormat;
    case FileResult::NoMemory: return QuizString::kNoMemory;
    case FileResult::CannotCreate: return QuizString::kCannotCreate;
    case FileResult::CannotWrite: return QuizString::kCannotWrite;
    default: return QuizString::kOpenInvalid;
  }
}

FileResult open(WordList& list, const char* path, int requestedFormat,
                const InvalidLineQuestion& question) {
  WordList fresh;
  fresh.fileName = path;
  fresh.format = requestedFormat;
  FileResult result = requestedFormat == kFormatOemText ? readText(fresh, true, question)
                                                        : readByFirstBytes(fresh, question);
  if (result == FileResult::Ok) list.take(fresh);
  return result;
}

FileResult save(WordList& list) {
  if (list.format == kFormatText || list.format == kFormatOemText)
    return writeText(list, list.format == kFormatOemText);
  return writeWordFile(list);
}

FileResult writeWordFile(WordList& list) {
  CReplacingFile file;
  if (!file.create(list.fileName.c_str(), nullptr)) return FileResult::CannotCreate;
  // Code page 1252, byte for byte as always, while every text fits it; UTF-8
  // only for a list that needs it. Such a list is written again from the
  // start, so that no walk through the list has to ask before.
  Written written = writeRecords(list, &file, TextEncoding::kCp1252);
  if (written == Written::kDoesNotFit) {
    file.setLength(0);
    written = file.length() == 0 ? writeRecords(list, &file, TextEncoding::kUtf8) : Written::kFailed;
  }
  if (written != Written::kDone) return FileResult::CannotWrite;
  if (!file.commit(nullptr)) return FileResult::CannotCreate;
  list.format = kFormatWordFile;
  return FileResult::Ok;
}

FileResult storeHistory(const WordList& list) {
  CDiskFile file;
  if (!file.open(list.fileName.c_str(), kReadFlags, nullptr)) return FileResult::CannotOpen;
  FileContents contents;
  FileResult result = contents.read(file);
  if (result != FileResult::Ok) return result;
  file.close();
  const char* bytes = contents.bytes.get();
  const char* end = bytes + contents.size;
  CText first, second, author, information;
  TextEncoding encoding;
  const char* position;
  if (contents.size < kFixedSize || !isWordFileStart(bytes, &encoding) ||
      !readHeader(contents, longestWordFileText(encoding), {&first, &second, &author, &information}, &position))
    return FileResult::Invalid;
  const char* endMarker = sameRecords(position, end, list.pairs, encoding);
  if (!endMarker) return FileResult::Invalid;
  CReplacingFile replacement;
  if (!replacement.create(list.fileName.c_str(), nullptr)) return FileResult::CannotCreate;
  RecordWriter writer(&replacement, encoding);
  writer.bytes(bytes, static_cast<size_t>(endMarker - bytes) + 1);
  HistoryCount histories;
  for (WordPair* pair = list.pairs.head(); pair; pair = pair->next) histories.add(pair);
  writeHistories(writer, list.pairs, histories);
  if (!writer.flush()) return FileResult::CannotWrite;
  return replacement.commit(nullptr) ? FileResult::Ok : FileResult::CannotCreate;
}

FileResult readSummary(const char* path, FileInfo* info) {
  CDiskFile file;
  if (!file.open(path, kReadFlags, nullptr)) return FileResult::CannotOpen;
  if (file.length() < kFixedSize) return FileResult::Invalid;
  FileContents contents;
  FileResult result = contents.read(file);
  if (result != FileResult::Ok) return result;
  const char* bytes = contents.bytes.get();
  if (std::memcmp(bytes, kQzlTag, 4) == 0) return FileResult::OldFormat;
  TextEncoding encoding;
  if (!isWordFileStart(bytes, &encoding)) return FileResult::UnknownFormat;
  const char* position;
  if (!readHeader(contents, kMaxSummaryText, {&info->firstLanguage, &info->secondLanguage, &info->author, &info->information},
                  &position))
    return FileResult::Invalid;
  TextConverter converter(encoding, programEncoding());
  for (CText* text : {&info->firstLanguage, &info->secondLanguage, &info->author, &info->information})
    converter.convert(text);
  int separators = 0;
  for (; *position != kEndMarker; ++position)
    if (*position == kTextEnd) ++separators;
  info->wordCount = separators / 3;
  return FileResult::Ok;
}

bool isWordFile(const char* path) {
  CDiskFile file;
  char first[kFixedSize];
  TextEncoding encoding;
  return file.open(path, kReadFlags, nullptr) && file.read(first, sizeof first, nullptr) == sizeof first &&
         isWordFileStart(first, &encoding);
}
