#pragma once
// CPairList: the linked list of word pairs. Pairs are appended, or the whole
// list is cleared or given a new order, so ids are 0..count-1 in list order.
// The list owns its nodes and their words, kept in its word store. Lookups by
// id continue from the last pair reached, so walking the ids in order costs
// one step per pair.
#include "framework/core/Text.h"
#include "wordlist/WordPair.h"
#include "wordlist/WordStore.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CPairList {
 public:
  CPairList() = default;
  CPairList(const CPairList&) = delete;
  CPairList& operator=(const CPairList&) = delete;

  // Copies both words into a new last pair with id = count; answers its id,
  // or -1 when memory cannot be had (nothing is linked then).
  int append(const char* firstWord, const char* secondWord, unsigned char mark);
  // Appends a pair whose words already lie, each ended by a 0, in a block
  // given to adoptBlock; the words are used in place. They come from a word
  // file's records, so neither holds 0x02 or 0x03. Answers as append.
  int appendInPlace(const char* firstWord, unsigned firstLength, const char* secondWord,
                    unsigned secondLength, unsigned char mark);
  // The list keeps block until it is cleared; false (and the block freed)
  // when memory cannot be had.
  bool adoptBlock(std::unique_ptr<char[]> block);
  // Gives pair (a node of this list) copies of two new words; false when
  // memory cannot be had, and the pair keeps its words.
  bool setWords(WordPair* pair, const char* firstWord, const char* secondWord);
  // Makes order (nodes of this list, each at most once) the whole list in
  // that order, numbered from 0. Nodes left out are dropped.
  void relink(const std::vector<WordPair*>& order);
  // The history of pair (a node of this list), made empty when it has none;
  // null when memory cannot be had.
  PairHistory* historyOf(WordPair* pair);
  // count empty histories side by side in the word store, for a reader that
  // hands them to many pairs; null when memory cannot be had.
  PairHistory* allocateHistories(size_t count);
  void clear();
  int count() const { return count_; }
  // False while no word appended or set since the list was last cleared
  // held 0x02 or 0x03, the bytes a word file cannot store in a word; saving
  // then need not search the words for them.
  bool mayHoldFileMarkers() const { return mayHoldFileMarkers_; }

  unsigned char markOf(int id);  // 0 when not found
  bool setMark(int id, unsigned char value);
  bool copyPair(int id, CText* firstWord, CText* secondWord);
  WordPair* pairAt(int id);  // the node in place, or null
  // The id of pair when it is a node of this list now, else -1. pair is only
  // compared, never read: it may be a node that a reorder dropped.
  int idOf(const WordPair* pair) const;
  int countMarked() const;
  // The first marked pair whose question word (the second word when
  // askSecond, else the first), case folded (wordlist/Utf8Text.h), equals
  // key (which the caller has folded) and which also accepts; null when
  // there is none.
  WordPair* findMarked(bool askSecond, const std::string& key,
                       const std::function<bool(const WordPair&)>& also) const;
  // The first marked pair whose words, case folded, equal the two keys
  // (which the caller has folded), or -1.
  int findMarked(const char* key1, const char* key2) const;
  // Moves all pairs of other into this list (whose pairs are freed first);
  // other becomes empty.
  void takeFrom(CPairList& other);

  WordPair* head() const { return head_; }
  WordPair* last() const { return last_; }

 private:
  WordPair* newPair(unsigned char mark);
  void link(WordPair* pair);
  void noteMarkers(const char* firstWord, size_t firstLength, const char* secondWord, size_t secondLength);

  int count_ = 0;
  bool mayHoldFileMarkers_ = false;
  WordPair* head_ = nullptr;
  WordPair* cursor_ = nullptr;
  WordPair* last_ = nullptr;  // so that appending does not walk the list
  CWordStore store_;
};
