#include "wordlist/TextFile.h"

#include "framework/core/BufferedWriter.h"
#include "framework/core/ReplacingFile.h"
#include "wordlist/FileContents.h"
#include "wordlist/TextEncoding.h"
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

// Ansi writes the program's bytes as they are; Cp1252 converts the program's
// UTF-8 into that code page (every word fits it).
enum class Encoding { Ansi, Oem, Utf8, Cp1252 };

const char kUtf8Mark[] = "\xEF\xBB\xBF";
const unsigned char kUtf16LittleEndianMark[] = {0xFF, 0xFE};
const unsigned char kUtf16BigEndianMark[] = {0xFE, 0xFF};

void writeWord(CBufferedWriter& writer, const PairWord& word, Encoding encoding) {
  if (encoding == Encoding::Ansi) {
    writer.write(word.c_str(), word.length());
  } else if (encoding == Encoding::Utf8) {
    std::string converted = toUtf8(std::string(word.c_str(), word.length()));
    writer.write(converted.data(), static_cast<unsigned>(converted.size()));
  } else if (encoding == Encoding::Cp1252) {
    std::vector<int> badLines;
    std::string converted = utf8ToCp1252(word.c_str(), word.length(), &badLines);
    writer.write(converted.data(), static_cast<unsigned>(converted.size()));
  } else {
    CText converted(word.c_str());
    converted.toOem();
    writer.write(converted);
  }
}

// Where the program's texts are UTF-8, the ANSI variant keeps writing code
// page 1252 while every word fits it, and otherwise UTF-8 with its byte
// order mark, so that no character is lost and the reader knows the text.
bool needsUtf8(const WordList& list) {
  if (programEncoding() == TextEncoding::kCp1252) return false;
  for (WordPair* pair = list.pairs.head(); pair; pair = pair->next)
    if (!fitsCp1252(pair->firstWord.c_str(), pair->firstWord.length()) ||
        !fitsCp1252(pair->secondWord.c_str(), pair->secondWord.length()))
      return true;
  return false;
}

// The text of a file that begins with the byte order mark of UTF-16 (either
// byte order) as UTF-8, into *utf8; false for any other text.
bool hasUtf8Mark(const char* text, size_t size) {
  return size >= 3 && std::memcmp(text, kUtf8Mark, 3) == 0;
}

bool readUtf16(const char* text, size_t size, std::string* utf8) {
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
  if (size < 2) return false;
  bool little = bytes[0] == kUtf16LittleEndianMark[0] && bytes[1] == kUtf16LittleEndianMark[1];
  bool big = bytes[0] == kUtf16BigEndianMark[0] && bytes[1] == kUtf16BigEndianMark[1];
  if (!little && !big) return false;
  std::wstring units;
  units.reserve(size / 2);
  for (size_t i = 2; i + 1 < size; i += 2)
    units.push_back(static_cast<wchar_t>(little ? bytes[i] | bytes[i + 1] << 8 : bytes[i] << 8 | bytes[i + 1]));
  *utf8 = utf16ToUtf8(units);
  return true;
}

FileResult writeLines(WordList& list, Encoding encoding, bool byteOrderMark) {
  CReplacingFile file;
  if (!file.create(list.fileName.c_str(), nullptr)) return FileResult::CannotCreate;
  CBufferedWriter writer(&file, nullptr);
  if (byteOrderMark) writer.write(kUtf8Mark, sizeof kUtf8Mark - 1);
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
  const char* text = contents.bytes.get();
  size_t size = contents.size;
  std::string utf8, converted;
  bool wide = !oem && readUtf16(text, size, &utf8);
  if (wide) {
    text = utf8.data();
    size = utf8.size();
  }
  if (std::memchr(text, 0, size)) return FileResult::UnknownFormat;
  std::vector<int> badLines;
  if (!oem && (wide || isUtf8Text(text, size))) {
    if (programEncoding() == TextEncoding::kUtf8) {
      converted = hasUtf8Mark(text, size) ? std::string(text + 3, size - 3) : std::string(text, size);
    } else {
      converted = utf8ToCp1252(text, size, &badLines);
    }
    text = converted.data();
    size = converted.size();
  } else if (!oem && programEncoding() == TextEncoding::kUtf8) {
    converted = cp1252ToUtf8(text, size);
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

FileResult writeText(WordList& list, bool oem) {
  if (oem) return writeLines(list, Encoding::Oem, false);
  if (programEncoding() == TextEncoding::kCp1252) return writeLines(list, Encoding::Ansi, false);
  return needsUtf8(list) ? writeLines(list, Encoding::Utf8, true) : writeLines(list, Encoding::Cp1252, false);
}

FileResult writeUtf8Text(WordList& list) { return writeLines(list, Encoding::Utf8, false); }
