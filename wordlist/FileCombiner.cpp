#include "wordlist/FileCombiner.h"

#include "framework/BufferedWriter.h"
#include "framework/FileSystem.h"
#include "framework/ReplacingFile.h"
#include "wordlist/FileContents.h"
#include "wordlist/HistoryBlock.h"
#include "wordlist/TextConverter.h"
#include "wordlist/Utf8Text.h"
#include "wordlist/WordFileLayout.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

const unsigned kReadFlags = CDiskFile::kRead | CDiskFile::kShareDenyWrite;
const int kHeaderTexts = 4;

// One source file in memory, with the place of its pair records.
struct Source {
  CDiskFile file;
  FileContents contents;
  const char* records = nullptr;  // the first pair record
  const char* endMarker = nullptr;
  uint32_t pairCount = 0;
  TextEncoding encoding = TextEncoding::kCp1252;

  const char* end() const { return contents.bytes.get() + contents.size; }
  HistoryBlockReader histories() const {
    return HistoryBlockReader(endMarker + 1, static_cast<size_t>(end() - endMarker - 1), pairCount);
  }
};

// Passes one text from position up to and past its 0x03; false at a 0x02 or
// at the end of the bytes.
bool passText(const char*& position, const char* end) {
  for (; position < end; ++position) {
    if (*position == kWordFileEndMarker) return false;
    if (*position == kWordFileTextEnd) {
      ++position;
      return true;
    }
  }
  return false;
}

// A pair record is two texts, the mark byte and one more byte, neither of
// them the end marker, as the word file reader requires.
bool passRecord(const char*& position, const char* end) {
  if (!passText(position, end) || !passText(position, end)) return false;
  if (end - position < 2 || position[0] == kWordFileEndMarker || position[1] == kWordFileEndMarker) return false;
  position += 2;
  return true;
}

bool findHeaderEnd(Source* source) {
  const char* position = source->contents.bytes.get();
  if (source->contents.size < sizeof kWordFileFixedBytes || !isWordFileStart(position, &source->encoding))
    return false;
  position += sizeof kWordFileFixedBytes;
  for (int i = 0; i < kHeaderTexts; ++i)
    if (!passText(position, source->end())) return false;
  source->records = position;
  return true;
}

// The records must be whole and ended by the end marker; bytes after it are
// left out, as the word file reader ignores them.
bool findEndMarker(Source* source) {
  const char* position = source->records;
  for (; position < source->end() && *position != kWordFileEndMarker; ++source->pairCount)
    if (!passRecord(position, source->end())) return false;
  source->endMarker = position;
  return position < source->end();
}

// A header text comes from the user, in the program's encoding: the word
// file's markers inside it would break the file, so they are left out.
void writeHeaderText(CBufferedWriter& writer, const CText& text, TextConverter& converter) {
  std::string converted = converter.convert(text.c_str(), text.length());
  for (char c : converted)
    if (c != kWordFileTextEnd && c != kWordFileEndMarker) writer.write(c);
  writer.write(kWordFileTextEnd);
}

// One text of a pair record with its 0x03, in the destination's encoding.
void writeText(CBufferedWriter& writer, const char* text, const char* end, TextConverter& converter) {
  if (!converter.changes(text, static_cast<size_t>(end - text))) {
    writer.write(text, static_cast<unsigned>(end - text));
    return;
  }
  std::string converted = converter.convert(text, static_cast<size_t>(end - text - 1));
  writer.write(converted.data(), static_cast<unsigned>(converted.size()));
  writer.write(kWordFileTextEnd);
}

void writeRecords(CBufferedWriter& writer, const Source& source, WordOrder order, TextEncoding encoding) {
  TextConverter converter(source.encoding, encoding);
  if (order == WordOrder::Same && !converter.converts()) {
    writer.write(source.records, static_cast<unsigned>(source.endMarker - source.records));
    return;
  }
  const char* position = source.records;
  while (position < source.endMarker) {
    const char* first = position;
    passText(position, source.endMarker);
    const char* second = position;
    passText(position, source.endMarker);
    bool exchanged = order == WordOrder::Reversed;
    writeText(writer, exchanged ? second : first, exchanged ? position : second, converter);
    writeText(writer, exchanged ? first : second, exchanged ? second : position, converter);
    writer.write(position, 2);
    position += 2;
  }
}

// Code page 1252 while both files and the header fit it, as combining always
// wrote; UTF-8 when either file is in UTF-8 or the header needs it.
TextEncoding destinationEncoding(const Source& first, const Source& second, const FileInfo& header) {
  if (first.encoding == TextEncoding::kUtf8 || second.encoding == TextEncoding::kUtf8) return TextEncoding::kUtf8;
  if (programEncoding() == TextEncoding::kCp1252) return TextEncoding::kCp1252;
  for (const CText* text : {&header.firstLanguage, &header.secondLanguage, &header.author, &header.information})
    if (!fitsCp1252(text->c_str(), text->length())) return TextEncoding::kUtf8;
  return TextEncoding::kCp1252;
}

// The pairs keep their histories: those of the second file follow the first
// file's pairs.
void writeHistories(CBufferedWriter& writer, const Source& first, const Source& second) {
  std::vector<std::pair<uint32_t, PairHistory>> records;
  auto keep = [&](uint32_t offset) {
    return [&records, offset](uint32_t index, const PairHistory& history) {
      records.emplace_back(offset + index, history);
    };
  };
  HistoryBlockReader firstHistories = first.histories(), secondHistories = second.histories();
  firstHistories.readWhole(keep(0));
  secondHistories.readWhole(keep(first.pairCount));
  uint16_t latestDay = std::max(firstHistories.latestDay(), secondHistories.latestDay());
  HistoryBlockWriter block(first.pairCount + second.pairCount, static_cast<uint32_t>(records.size()), latestDay,
                           [&](const char* bytes, size_t size) { writer.write(bytes, static_cast<unsigned>(size)); });
  for (const auto& record : records) block.add(record.first, record.second);
  block.finish();
}

CombineResult readResult(FileResult result, CombineResult shortRead) {
  return result == FileResult::NoMemory ? CombineResult::NoMemory : shortRead;
}

CombineResult readSources(const char* firstPath, const char* secondPath, Source* first, Source* second) {
  if (!first->file.open(firstPath, kReadFlags, nullptr)) return CombineResult::CannotOpenFirst;
  if (!second->file.open(secondPath, kReadFlags, nullptr)) return CombineResult::CannotOpenSecond;
  FileResult read = first->contents.read(first->file);
  if (read != FileResult::Ok) return readResult(read, CombineResult::CannotReadFirst);
  read = second->contents.read(second->file);
  if (read != FileResult::Ok) return readResult(read, CombineResult::CannotReadSecond);
  if (!findHeaderEnd(first)) return CombineResult::FirstUnknown;
  if (!findHeaderEnd(second)) return CombineResult::SecondUnknown;
  if (!findEndMarker(first)) return CombineResult::FirstUnknown;
  if (!findEndMarker(second)) return CombineResult::SecondUnknown;
  return CombineResult::Ok;
}

}  // namespace

UINT combineResultMessageId(CombineResult result) {
  switch (result) {
    case CombineResult::CannotOpenFirst: return 21015;
    case CombineResult::CannotOpenSecond: return 21016;
    case CombineResult::NoMemory: return 21005;
    case CombineResult::CannotReadFirst: return 21017;
    case CombineResult::CannotReadSecond: return 21018;
    case CombineResult::FirstUnknown: return 21019;
    case CombineResult::SecondUnknown: return 21020;
    case CombineResult::CannotCreate: return 21021;
    default: return 21022;
  }
}

AutomaticOrder automaticOrder(const FileInfo& first, const FileInfo& second) {
  auto same = [](const CText& a, const CText& b) { return sameIgnoringCase(a.c_str(), b.c_str()); };
  bool firstMatches = same(first.firstLanguage, second.firstLanguage);
  bool secondMatches = same(first.secondLanguage, second.secondLanguage);
  bool firstCrosses = same(first.firstLanguage, second.secondLanguage);
  bool secondCrosses = same(first.secondLanguage, second.firstLanguage);
  if (firstMatches && secondMatches) return AutomaticOrder::Same;
  if (firstCrosses && secondCrosses) return AutomaticOrder::Reversed;
  if (!firstCrosses && !secondCrosses) return AutomaticOrder::AskNormalOrder;
  return AutomaticOrder::AskReversibleOrder;
}

bool sameSourceFiles(const char* first, const char* second) {
  return CText(first).compareNoCase(second) == 0 || sameFile(first, second);
}

CombineResult combineWordFiles(const char* firstPath, const char* secondPath, const char* destination,
                               const FileInfo& header, WordOrder order) {
  Source first, second;
  CombineResult result = readSources(firstPath, secondPath, &first, &second);
  if (result != CombineResult::Ok) return result;
  first.file.close();
  second.file.close();
  CReplacingFile file;
  if (!file.create(destination, nullptr)) return CombineResult::CannotCreate;
  CBufferedWriter writer(&file, nullptr);
  TextEncoding encoding = destinationEncoding(first, second, header);
  writer.write(wordFileFixedBytes(encoding), sizeof kWordFileFixedBytes);
  TextConverter headerConverter(programEncoding(), encoding);
  for (const CText* text : {&header.firstLanguage, &header.secondLanguage, &header.author, &header.information})
    writeHeaderText(writer, *text, headerConverter);
  writeRecords(writer, first, WordOrder::Same, encoding);
  writeRecords(writer, second, order, encoding);
  writer.write(kWordFileEndMarker);
  writeHistories(writer, first, second);
  if (!writer.flush()) return CombineResult::CannotWrite;
  return file.commit(nullptr) ? CombineResult::Ok : CombineResult::CannotCreate;
}
