#include "wordlist/TextLines.h"

#include "wordlist/WordBytes.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isLineBreak(char c) { return c == '\r' || c == '\n'; }

class LineSplitter {
 public:
  LineSplitter(const char* text, size_t length) : text_(text), end_(0) {
    while (end_ < length && text[end_]) ++end_;
  }

  bool split(const std::function<bool(const TextLine&)>& onLine) {
    size_t p = skipBlanks(0);
    while (p < end_) {
      char c = text_[p];
      if (c == '\t' || (c == ' ' && p + 1 < end_ && text_[p + 1] == ' ')) {
        p = separator(p);
      } else if (isLineBreak(c)) {
        line_.endedByBreak = true;
        if (!onLine(line_)) return false;
        startLine();
        p = skipBlanks(p);
      } else {
        if (!isReservedWordByte(c)) wordByte(c);
        ++p;
      }
    }
    if (lineStarted_) {
      line_.endedByBreak = false;
      return onLine(line_);
    }
    return true;
  }

 private:
  // Also counts the line breaks passed, so that the next line knows its number.
  size_t skipBlanks(size_t p) {
    for (; p < end_ && isBlank(text_[p]); ++p)
      if (text_[p] == '\r' || (text_[p] == '\n' && (p == 0 || text_[p - 1] != '\r'))) ++lineNumber_;
    line_.number = lineNumber_;
    return p;
  }

  size_t separator(size_t p) {
    lineStarted_ = true;
    if (line_.separatorSeen) joinPending_ = true;
    line_.separatorSeen = true;
    while (p < end_ && (text_[p] == ' ' || text_[p] == '\t')) ++p;
    return p;
  }

  void wordByte(char c) {
    lineStarted_ = true;
    if (joinPending_) line_.joined = true;
    (line_.separatorSeen ? line_.second : line_.first).push_back(c);
  }

  void startLine() {
    line_.first.clear();
    line_.second.clear();
    line_.separatorSeen = line_.joined = false;
    joinPending_ = lineStarted_ = false;
  }

  const char* text_;
  size_t end_;
  TextLine line_;
  int lineNumber_ = 1;
  bool joinPending_ = false;
  bool lineStarted_ = false;
};

}  // namespace

bool splitTextLines(const char* text, size_t length, const std::function<bool(const TextLine&)>& onLine) {
  return LineSplitter(text, length).split(onLine);
}

bool TextLine::tooLong() const {
  return !fitsWordFile(first.data(), first.size()) || !fitsWordFile(second.data(), second.size());
}
