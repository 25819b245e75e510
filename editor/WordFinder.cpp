#include "editor/WordFinder.h"

#include "framework/StringFunctions.h"
#include "framework/Win32.h"

#include <string>

namespace {

// Lower-cases bytes as the system's lower-casing does for each single byte,
// without a system call per word.
class LowerCase {
 public:
  LowerCase() {
    for (int c = 0; c < 256; ++c) {
      char one[2] = {static_cast<char>(c), 0};
      if (c) CharLowerA(one);
      table_[c] = one[0];
    }
  }

  void apply(const char* text, std::string* lowered) const {
    lowered->clear();
    for (const char* p = text; *p; ++p) lowered->push_back(table_[static_cast<unsigned char>(*p)]);
  }

 private:
  char table_[256];
};

class WordMatcher {
 public:
  WordMatcher(const char* text, unsigned flags)
      : matchCase_((flags & kFindMatchCase) != 0), wholeWord_((flags & kFindWholeWord) != 0) {
    if (matchCase_) key_ = text;
    else lower_.apply(text, &key_);
  }

  bool matches(const PairWord& word) {
    if (word.empty()) return false;
    const char* compared = word.c_str();
    if (!matchCase_) {
      lower_.apply(compared, &scratch_);
      compared = scratch_.c_str();
    }
    return wholeWord_ ? key_ == compared : patternFound(compared, key_.c_str());
  }

 private:
  bool matchCase_, wholeWord_;
  LowerCase lower_;
  std::string key_, scratch_;
};

}  // namespace

int findRow(const WordRows& rows, int start, const char* text, unsigned flags) {
  int count = rows.count();
  if (count == 0 || !text || !*text) return -1;
  bool down = (flags & kFindDown) != 0;
  int row = start;
  int steps = count - 1;
  if (start < 0 || start >= count) {
    row = down ? -1 : count;
    steps = count;
  }
  WordMatcher matcher(text, flags);
  for (int step = 0; step < steps; ++step) {
    row = down ? (row + 1) % count : (row - 1 + count) % count;
    const WordPair& pair = rows.at(row);
    if (matcher.matches(pair.firstWord) || matcher.matches(pair.secondWord)) return row;
  }
  return -1;
}
