#include "wordlist/TextFile.h"

#include "framework/BufferedWriter.h"
#include "framework/ReplacingFile.h"
#include "wordlist/FileContents.h"
#include "wordlist/TextLines.h"

#include <cstring>

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

void writeWord(CBufferedWriter& writer, const PairWord& word, bool oem) {
  if (!oem) {
    writer.write(word.c_str(), word.length());
    return;
  }
  CText converted(word.c_str());
  converted.toOem();
  writer.write(converted);
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
  result = FileResult::Ok;
  splitTextLines(contents.bytes.get(), contents.size, [&](const TextLine& line) {
    if (!line.valid()) {
      if (line.endedByBreak && !question()) result = FileResult::UnknownFormat;
    } else if (!appendLine(list, line, oem)) {
      result = FileResult::NoMemory;
    }
    return result == FileResult::Ok;
  });
  if (result == FileResult::Ok) list.format = oem ? kFormatOemText : kFormatText;
  return result;
}

FileResult writeText(WordList& list, bool oem) {
  CReplacingFile file;
  if (!file.create(list.fileName.c_str(), nullptr)) return FileResult::CannotCreate;
  CBufferedWriter writer(&file, nullptr);
  for (WordPair* pair = list.pairs.head(); pair; pair = pair->next) {
    writeWord(writer, pair->firstWord, oem);
    writer.write('\t');
    writeWord(writer, pair->secondWord, oem);
    writer.write("\r\n", 2);
  }
  if (!writer.flush()) return FileResult::CannotWrite;
  if (!file.commit(nullptr)) return FileResult::CannotCreate;
  list.format = oem ? kFormatOemText : kFormatText;
  return FileResult::Ok;
}
