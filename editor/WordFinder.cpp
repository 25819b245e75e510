#include "editor/WordFinder.h"

#include "framework/StringFunctions.h"
#include "wordlist/Utf8Text.h"

#include <string>

namespace {

class WordMatcher {
 public:
  WordMatcher(const char* text, unsigned flags)
      : matchCase_((flags & kFindMatchCase) != 0), wholeWord_((flags & kFindWholeWord) != 0) {
    key_ = matchCase_ ? std::string(text) : foldCase(text);
  }

  bool matches(const PairWord& word) {
    if (word.empty()) return false;
    const char* compared = word.c_str();
    if (!matchCase_) {
      scratch_ = foldCase(compared);
      compared = scratch_.c_str();
    }
    return wholeWord_ ? key_ == compared : patternFound(compared, key_.c_str());
  }

 private:
  bool matchCase_, wholeWord_;
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
