#pragma once
// CPairList: the linked list of word pairs. Pairs are only ever appended or
// the whole list is cleared, so ids are 0..count-1 in list order. The list
// owns its nodes. Lookups by id continue from the last pair reached, so walking
// the ids in order costs one step per pair.
#include "wordlist/WordPair.h"

class CPairList {
 public:
  CPairList() = default;
  CPairList(const CPairList&) = delete;
  CPairList& operator=(const CPairList&) = delete;
  ~CPairList();

  // Copies both words into a new last pair with id = count; answers its id,
  // or -1 when memory cannot be had (nothing is linked then).
  int append(const char* firstWord, const char* secondWord, unsigned char mark);
  void clear();
  int count() const { return count_; }

  unsigned char markOf(int id);  // 0 when not found
  bool setMark(int id, unsigned char value);
  bool copyPair(int id, CText* firstWord, CText* secondWord);
  WordPair* pairAt(int id);  // the node in place, or null
  int countMarked() const;
  // The first marked pair whose lower-cased words equal the two keys (which
  // the caller has lower-cased), or -1.
  int findMarked(const char* key1, const char* key2) const;
  // Moves all pairs of other into this list (whose pairs are freed first);
  // other becomes empty.
  void takeFrom(CPairList& other);

  WordPair* head() const { return head_; }

 private:
  int count_ = 0;
  WordPair* head_ = nullptr;
  WordPair* cursor_ = nullptr;
  WordPair* last_ = nullptr;  // so that appending does not walk the list
};
