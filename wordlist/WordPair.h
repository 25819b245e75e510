#pragma once
#include "wordlist/PairHistory.h"

#include <cstring>

// A word of a pair. The bytes live in the pair list's word store, which owns
// them; a word is changed only through CPairList::setWords.
class PairWord {
 public:
  const char* c_str() const { return text_; }
  unsigned length() const { return length_; }
  bool empty() const { return length_ == 0; }
  bool operator==(const char* other) const { return std::strcmp(text_, other ? other : "") == 0; }
  bool operator!=(const char* other) const { return !(*this == other); }

 private:
  friend class CPairList;
  const char* text_ = "";
  unsigned length_ = 0;
};

// One pair of the word list; a node of CPairList, which owns it.
struct WordPair {
  PairWord firstWord;
  PairWord secondWord;
  int id = 0;  // position in the list, 0 for the first pair
  unsigned char mark = 0;  // 1 = takes part in the drill
  // Any mark but 0 shows as marked and is found by the search for marked
  // pairs; the drill counts and asks only marks of exactly 1.
  bool marked() const { return mark != 0; }
  bool drilled() const { return mark == 1; }
  WordPair* next = nullptr;
  // In the pair list's word store; null until the pair has a history. It
  // stays with the node when the list is reordered or its words change.
  PairHistory* history = nullptr;
};
