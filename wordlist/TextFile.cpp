#include "wordlist/TextFile.h"

#include "framework/BufferedWriter.h"
#include "framework/ReplacingFile.h"
#include "wordlist/FileContents.h"
#include "wordlist/TextLines.h"
#include "wordlist/Utf8Text.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Appends a valid line as a marked pair; the OEM variant converts both words
// to the ANSI code page first. False when memory cannot be had.
bool appendLine(WordList& list, const TextLine& line, bool oem) {
  if (!oem) return list.pairs.append(line.first.c_str(), line.second.c_str(), 1) >= 0;
  CText first(line.first.c_str()), second(line.second.c_str());
  first.toAnsi();
  second.toAnsi();
  return list.pairs.append(first.c_str(), second.c_str(), 1) >= 0;
}

enum class Encoding { Ansi, Oem, Utf8 };

void writeWord(CBufferedWriter& writer, const PairWord& word, Encoding encoding) {
  if (encoding == Encoding::Ansi) {
    writer.write(word.c_str(), word.length());
  } else if (encoding == Encoding::Utf8) {
    std::string converted = cp1252ToUtf8(word.c_str(), word.length());
    writer.write(converted.data(), static_cast<unsigned>(converted.size()));
  } else {
    CText converted(word.c_str());
    converted.toOem();
    writer.write(converted);
  }
}

FileResult writeLines(WordList& list, Encoding encoding) {
  CReplacingFile file;
  if (!file.create(list.fileName.c_str(), nullptr)) return FileResult::CannotCreate;
  CBufferedWriter writer(&file, nullptr);
  for (WordPair* pair = list.pairs.head(); pair; pair = pair->next) {
    writeWord(writer, pair->firstWord, encoding);
    writer.write('\t');
    writeWord(writer, pair->secondWord, encoding);
    writer.write("\r\n", 2);
  }
  if (!writer.flush()) return FileResult::CannotWrite;
  if (!file.commit(nullptr)) return FileResult::CannotCreate;
  list.format = encoding == Encoding::Oem ? kFormatOemText : kFormatText;
  return FileResult::Ok;
}

}  // namespace

FileResult readText(WordList& list, bool oem, const InvalidLineQuestion& question) {
  list.reset(false);
  CDiskFile file;
  if (!file.open(list.fileName.c_str(), CDiskFile::kRead | CDiskFile::kShareDenyWrite, nullptr))
    return FileResult::CannotOpen;
  FileContents contents;
  FileResult result = contents.read(file);
  if (result != FileResult::Ok) return result;
  if (std::memchr(contents.bytes.get(), 0, contents.size)) return FileResult::UnknownFormat;
  const char* text = contents.bytes.get();
  size_t size = contents.size;
  std::string converted;
  std::vector<int> badLines;
  if (!oem && isUtf8Text(text, size)) {
    converted = utf8ToCp1252(text, size, &badLines);
    text = converted.data();
    size = converted.size();
  }
  result = FileResult::Ok;
  auto ask = [&](const TextLine& line, InvalidLine::Reason reason) {
    if (!question(InvalidLine{line.number, reason})) result = FileResult::UnknownFormat;
  };
  splitTextLines(text, size, [&](const TextLine& line) {
    if (std::binary_search(badLines.begin(), badLines.end(), line.number)) {
      ask(line, InvalidLine::Reason::Unconvertible);
    } else if (!line.valid()) {
      if (line.endedByBreak) ask(line, InvalidLine::Reason::NoPair);
    } else if (line.tooLong()) {
      ask(line, InvalidLine::Reason::TooLong);
    } else if (!appendLine(list, line, oem)) {
      result = FileResult::NoMemory;
    }
    return result == FileResult::Ok;
  });
  if (result == FileResult::Ok) list.format = oem ? kFormatOemText : kFormatText;
  return result;
}

FileResult writeText(WordList& list, bool oem) { return writeLines(list, oem ? Encoding::Oem : Encoding::Ansi); }

FileResult writeUtf8Text(WordList& list) { return writeLines(list, Encoding::Utf8); }
