#include "wordlist/FileCombiner.h"

#include "framework/core/BufferedWriter.h"
#include "framework/core/FileSystem.h"
#include "framework/core/ReplacingFile.h"
#include "resources/QuizResourceIds.h"
#include "wordlist/HistoryBlock.h"
#include "wordlist/PairRecordReader.h"
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

// One source file, read front to back; what follows its end marker, its
// history block, is kept once its records are read.
struct Source {
  CDiskFile file;
  PairRecordReader reader{&file};
  std::unique_ptr<char[]> rest;
  size_t restSize = 0;

  HistoryBlockReader histories() const { return HistoryBlockReader(rest.get(), restSize, reader.recordCount()); }
};

// A header text comes from the user, in the program's encoding: the word
// file's markers inside it would break the file, so they are left out.
void writeHeaderText(CBufferedWriter& writer, const CText& text, TextConverter& converter) {
  std::string converted = converter.convert(text.c_str(), text.length());
  for (char c : converted)
    if (c != kWordFileTextEnd && c != kWordFileEndMarker) writer.write(c);
  writer.write(kWordFileTextEnd);
}

// One text of a pair record from text up to end, its 0x03 included, in the
// destination's encoding.
void writeText(CBufferedWriter& writer, const char* text, const char* end, TextConverter& converter) {
  std::string converted = converter.convert(text, static_cast<size_t>(end - text - 1));
  writer.write(converted.data(), static_cast<unsigned>(converted.size()));
  writer.write(kWordFileTextEnd);
}

// Copies the records of a source whose texts are in another encoding than the
// destination's, each text converted.
void copyConverted(CBufferedWriter& writer, Source& source, WordOrder order, TextEncoding encoding) {
  TextConverter converter(source.reader.encoding(), encoding);
  PairRecordReader::Record record;
  bool exchanged = order == WordOrder::Reversed;
  while (source.reader.next(&record)) {
    writeText(writer, exchanged ? record.second : record.first, exchanged ? record.mark : record.second, converter);
    writeText(writer, exchanged ? record.first : record.second, exchanged ? record.second : record.mark, converter);
    writer.write(record.mark, kPairRecordTail);
  }
}

// Copies the records up to the end marker, which must be there, and keeps
// what follows it.
bool copyRecords(CBufferedWriter& writer, Source& source, WordOrder order, TextEncoding encoding) {
  PairRecordReader::Record record;
  if (source.reader.encoding() != encoding) {
    copyConverted(writer, source, order, encoding);
  } else if (order == WordOrder::Reversed) {
    while (source.reader.next(&record)) {
      writer.write(record.second, static_cast<unsigned>(record.mark - record.second));
      writer.write(record.first, static_cast<unsigned>(record.second - record.first));
      writer.write(record.mark, kPairRecordTail);
    }
  } else {
    const char* records;
    size_t size;
    while (source.reader.nextRecords(&records, &size)) writer.write(records, static_cast<unsigned>(size));
  }
  return source.reader.state() == PairRecordReader::State::EndMarker &&
         source.reader.readRest(&source.rest, &source.restSize);
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
  secondHistories.readWhole(keep(first.reader.recordCount()));
  uint16_t latestDay = std::max(firstHistories.latestDay(), secondHistories.latestDay());
  HistoryBlockWriter block(first.reader.recordCount() + second.reader.recordCount(),
                           static_cast<uint32_t>(records.size()), latestDay,
                           [&](const char* bytes, size_t size) { writer.write(bytes, static_cast<unsigned>(size)); });
  for (const auto& record : records) block.add(record.first, record.second);
  block.finish();
}

// Code page 1252 while both files and the header fit it, as combining always
// wrote; UTF-8 when either file is in UTF-8 or the header needs it.
TextEncoding destinationEncoding(const Source& first, const Source& second, const FileInfo& header) {
  if (first.reader.encoding() == TextEncoding::kUtf8 || second.reader.encoding() == TextEncoding::kUtf8)
    return TextEncoding::kUtf8;
  if (programEncoding() == TextEncoding::kCp1252) return TextEncoding::kCp1252;
  for (const CText* text : {&header.firstLanguage, &header.secondLanguage, &header.author, &header.information})
    if (!fitsCp1252(text->c_str(), text->length())) return TextEncoding::kUtf8;
  return TextEncoding::kCp1252;
}

// What a source's failure means: reading it or its memory failed, or it is no
// whole word file.
CombineResult failure(const Source& source, CombineResult cannotRead, CombineResult unknown) {
  switch (source.reader.state()) {
    case PairRecordReader::State::NoMemory: return CombineResult::NoMemory;
    case PairRecordReader::State::ReadFailed: return cannotRead;
    default: return unknown;
  }
}

CombineResult openSources(const char* firstPath, const char* secondPath, Source* first, Source* second) {
  if (!first->file.open(firstPath, kReadFlags, nullptr)) return CombineResult::CannotOpenFirst;
  if (!second->file.open(secondPath, kReadFlags, nullptr)) return CombineResult::CannotOpenSecond;
  if (!first->reader.passHeader())
    return failure(*first, CombineResult::CannotReadFirst, CombineResult::FirstUnknown);
  if (!second->reader.passHeader())
    return failure(*second, CombineResult::CannotReadSecond, CombineResult::SecondUnknown);
  return CombineResult::Ok;
}

}  // namespace

UINT combineResultMessageId(CombineResult result) {
  switch (result) {
    case CombineResult::CannotOpenFirst: return QuizString::kCombineOpenFirst;
    case CombineResult::CannotOpenSecond: return QuizString::kCombineOpenSecond;
    case CombineResult::NoMemory: return QuizString::kNoMemory;
    case CombineResult::CannotReadFirst: return QuizString::kCombineReadFirst;
    case CombineResult::CannotReadSecond: return QuizString::kCombineReadSecond;
    case CombineResult::FirstUnknown: return QuizString::kCombineFirstUnknown;
    case CombineResult::SecondUnknown: return QuizString::kCombineSecondUnknown;
    case CombineResult::CannotCreate: return QuizString::kCombineCreateDestination;
    default: return QuizString::kCombineWrite;
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
  // The destination's temporary file is made first, since its check that the
  // target may be written would meet the sources opened without sharing for
  // writing when the target is one of them; a source's fault is still the
  // one reported first.
  CReplacingFile file;
  bool created = file.create(destination, nullptr);
  Source first, second;
  CombineResult result = openSources(firstPath, secondPath, &first, &second);
  if (result != CombineResult::Ok) return result;
  if (!created) return CombineResult::CannotCreate;
  CBufferedWriter writer(&file, nullptr);
  TextEncoding encoding = destinationEncoding(first, second, header);
  writer.write(wordFileFixedBytes(encoding), sizeof kWordFileFixedBytes);
  TextConverter headerConverter(programEncoding(), encoding);
  for (const CText* text : {&header.firstLanguage, &header.secondLanguage, &header.author, &header.information})
    writeHeaderText(writer, *text, headerConverter);
  if (!copyRecords(writer, first, WordOrder::Same, encoding))
    return failure(first, CombineResult::CannotReadFirst, CombineResult::FirstUnknown);
  if (!copyRecords(writer, second, order, encoding))
    return failure(second, CombineResult::CannotReadSecond, CombineResult::SecondUnknown);
  first.file.close();
  second.file.close();
  writer.write(kWordFileEndMarker);
  writeHistories(writer, first, second);
  if (!writer.flush()) return CombineResult::CannotWrite;
  return file.commit(nullptr) ? CombineResult::Ok : CombineResult::CannotCreate;
}
