#include "wordlist/WordFile.h"

#include "framework/ReplacingFile.h"
#include "framework/BufferedWriter.h"
#include "wordlist/FileContents.h"
#include "wordlist/QzlReader.h"
#include "wordlist/WordFileLayout.h"

#include <cstring>

namespace {

const char (&kFixedBytes)[8] = kWordFileFixedBytes;
const char kQzlTag[6] = {'"', 'W', 'd', 'l', '1', '1'};
const char kEndMarker = kWordFileEndMarker;
const char kTextEnd = kWordFileTextEnd;
const unsigned kReadFlags = CDiskFile::kRead | CDiskFile::kShareDenyWrite;
const unsigned kMaxText = 32000;
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

bool readHeader(const char*& position, unsigned limit, CText* first, CText* second, CText* author,
                CText* information) {
  return readField(position, limit, first) && readField(position, limit, second) &&
         readField(position, limit, author) && readField(position, limit, information);
}

FileResult readPairs(const char* position, CPairList& pairs) {
  pairs.clear();
  CText first, second;
  while (*position != kEndMarker) {
    if (!readField(position, kMaxText, &first) || !readField(position, kMaxText, &second))
      return FileResult::Invalid;
    if (position[0] == kEndMarker || position[1] == kEndMarker) return FileResult::Invalid;
    if (pairs.append(first.c_str(), second.c_str(), position[0] != 0 ? 1 : 0) < 0)
      return FileResult::NoMemory;
    position += 2;
  }
  return FileResult::Ok;
}

FileResult readWordFile(WordList& list, CDiskFile& file) {
  FileContents contents;
  FileResult result = contents.read(file);
  if (result != FileResult::Ok) return result;
  contents.bytes[contents.size] = kEndMarker;
  const char* position = contents.bytes.get() + sizeof kFixedBytes;
  if (!readHeader(position, kMaxText, &list.firstLanguage, &list.secondLanguage, &list.author,
                  &list.information))
    return FileResult::Invalid;
  result = readPairs(position, list.pairs);
  if (result == FileResult::Ok) list.format = kFormatWordFile;
  return result;
}

FileResult readByFirstBytes(WordList& list, const InvalidLineQuestion& question) {
  CDiskFile file;
  if (!file.open(list.fileName.c_str(), kReadFlags, nullptr)) return FileResult::CannotOpen;
  char first[8];
  if (file.read(first, sizeof first, nullptr) != sizeof first) return FileResult::Invalid;
  if (std::memcmp(first, kQzlTag, sizeof kQzlTag) == 0) return readQzlFile(list, file);
  if (std::memcmp(first, kFixedBytes, sizeof kFixedBytes) == 0) return readWordFile(list, file);
  file.close();
  return readText(list, false, question);
}

void writeRecord(CBufferedWriter& writer, const CText& text) {
  writer.write(text);
  writer.write(kTextEnd);
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
    case FileResult::CannotOpen: return 21002;
    case FileResult::UnknownFormat: return 21004;
    case FileResult::NoMemory: return 21005;
    case FileResult::CannotCreate: return 21006;
    case FileResult::CannotWrite: return 21007;
    default: return 21003;
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
  CBufferedWriter writer(&file, nullptr);
  writer.write(kFixedBytes, sizeof kFixedBytes);
  writeRecord(writer, list.firstLanguage);
  writeRecord(writer, list.secondLanguage);
  writeRecord(writer, list.author);
  writeRecord(writer, list.information);
  for (WordPair* pair = list.pairs.head(); pair; pair = pair->next) {
    writeRecord(writer, pair->firstWord);
    writeRecord(writer, pair->secondWord);
    writer.write(static_cast<char>(pair->mark ? 1 : 0));
    writer.write(kTextEnd);
  }
  writer.write(kEndMarker);
  if (!writer.flush()) return FileResult::CannotWrite;
  if (!file.commit(nullptr)) return FileResult::CannotCreate;
  list.format = kFormatWordFile;
  return FileResult::Ok;
}

FileResult readSummary(const char* path, FileInfo* info) {
  CDiskFile file;
  if (!file.open(path, kReadFlags, nullptr)) return FileResult::CannotOpen;
  if (file.length() <= 7) return FileResult::Invalid;
  FileContents contents;
  FileResult result = contents.read(file);
  if (result != FileResult::Ok) return result;
  const char* bytes = contents.bytes.get();
  if (std::memcmp(bytes, kQzlTag, 4) == 0) return FileResult::OldFormat;
  if (std::memcmp(bytes, kFixedBytes, sizeof kFixedBytes) != 0) return FileResult::UnknownFormat;
  contents.bytes[contents.size] = kEndMarker;
  const char* position = bytes + sizeof kFixedBytes;
  if (!readHeader(position, kMaxSummaryText, &info->firstLanguage, &info->secondLanguage, &info->author,
                  &info->information))
    return FileResult::Invalid;
  int separators = 0;
  for (; *position != kEndMarker; ++position)
    if (*position == kTextEnd) ++separators;
  info->wordCount = separators / 3;
  return FileResult::Ok;
}

bool isWordFile(const char* path) {
  CDiskFile file;
  char first[8];
  return file.open(path, kReadFlags, nullptr) && file.read(first, sizeof first, nullptr) == sizeof first &&
         std::memcmp(first, kFixedBytes, sizeof kFixedBytes) == 0;
}
