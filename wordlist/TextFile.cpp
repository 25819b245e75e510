#include "wordlist/TextFile.h"

#include "framework/BufferedWriter.h"
#include "framework/ReplacingFile.h"
#include "wordlist/FileContents.h"

#include <cstring>
#include <string>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isLineBreak(char c) { return c == '\r' || c == '\n'; }
// The word file ends its texts with these bytes and cannot store them in a
// word, so they never enter one.
bool isWordFileMarker(char c) { return c == 0x02 || c == 0x03; }

// Splits text into lines of two words; see TextFile.h for the line rule.
class TextLineReader {
 public:
  TextLineReader(WordList& list, bool oem, const InvalidLineQuestion& question)
      : list_(list), oem_(oem), question_(question) {}

  FileResult read(const char* text) {
    const char* p = skipBlanks(text);
    while (*p) {
      if (*p == '\t' || (p[0] == ' ' && p[1] == ' ')) {
        separatorSeen_ = true;
        while (*p == ' ' || *p == '\t') ++p;
      } else if (isLineBreak(*p)) {
        if (!valid() && !question_()) return FileResult::UnknownFormat;
        takeLine();
        p = skipBlanks(p);
      } else if (isWordFileMarker(*p)) {
        ++p;
      } else {
        (separatorSeen_ ? second_ : first_).push_back(*p++);
      }
    }
    if (valid()) takeLine();
    return appendFailed_ ? FileResult::NoMemory : FileResult::Ok;
  }

 private:
  static const char* skipBlanks(const char* p) {
    while (isBlank(*p)) ++p;
    return p;
  }

  bool valid() const { return separatorSeen_ && !first_.empty() && !second_.empty(); }

  void takeLine() {
    if (valid()) {
      CText first(first_.c_str()), second(second_.c_str());
      if (oem_) {
        first.toAnsi();
        second.toAnsi();
      }
      if (list_.pairs.append(first.c_str(), second.c_str(), 1) < 0) appendFailed_ = true;
    }
    first_.clear();
    second_.clear();
    separatorSeen_ = false;
  }

  WordList& list_;
  bool oem_;
  const InvalidLineQuestion& question_;
  std::string first_, second_;
  bool separatorSeen_ = false;
  bool appendFailed_ = false;
};

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
  result = TextLineReader(list, oem, question).read(contents.bytes.get());
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
