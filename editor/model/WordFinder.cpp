#include "editor/model/WordFinder.h"

#include "wordlist/Utf8Text.h"

#include <string>

namespace {

// The pattern search of framework/core/StringFunctions.h on characters: "?" is
// any one character, "*" at least one; each segment between stars is taken
// at its first match from the left.
enum class SegmentMatch { None, ToEnd, ToStar, StarAtTextEnd };

SegmentMatch matchSegment(const std::u32string& text, size_t at, const std::u32string& pattern, size_t from,
                          size_t* consumed) {
  size_t i = 0;
  for (; from + i < pattern.size() && pattern[from + i] != '*'; ++i) {
    if (at + i >= text.size()) return SegmentMatch::None;
    if (pattern[from + i] != '?' && pattern[from + i] != text[at + i]) return SegmentMatch::None;
  }
  if (from + i == pattern.size()) return SegmentMatch::ToEnd;
  if (at + i >= text.size()) return SegmentMatch::StarAtTextEnd;
  *consumed = i;
  return SegmentMatch::ToStar;
}

bool patternFound(const std::u32string& text, const std::u32string& pattern) {
  size_t at = 0, from = 0;
  for (;;) {
    bool advanced = false;
    for (size_t start = at; !advanced; ++start) {
      size_t consumed = 0;
      switch (matchSegment(text, start, pattern, from, &consumed)) {
        case SegmentMatch::ToEnd: return true;
        case SegmentMatch::StarAtTextEnd: return false;
        case SegmentMatch::ToStar:
          from += consumed + 1;
          at = start + consumed + 1;
          advanced = true;
          break;
        case SegmentMatch::None:
          if (start >= text.size()) return false;
          break;
      }
    }
  }
}

// Without kFindMatchCase both sides are case folded (wordlist/Utf8Text.h).
class WordMatcher {
 public:
  WordMatcher(const char* text, unsigned flags)
      : matchCase_((flags & kFindMatchCase) != 0), wholeWord_((flags & kFindWholeWord) != 0) {
    key_ = matchCase_ ? std::string(text) : foldCase(text);
    keyCharacters_ = charactersOf(key_);
  }

  bool matches(const PairWord& word) const {
    if (word.empty()) return false;
    if (wholeWord_) {
      return matchCase_ ? key_ == word.c_str() : foldsTo(word.c_str(), word.length(), key_);
    }
    std::string compared(word.c_str(), word.length());
    return patternFound(charactersOf(matchCase_ ? compared : foldCase(compared)), keyCharacters_);
  }

 private:
  bool matchCase_, wholeWord_;
  std::string key_;
  std::u32string keyCharacters_;
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
