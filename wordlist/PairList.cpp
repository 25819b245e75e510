#include "wordlist/PairList.h"

#include "framework/core/Win32.h"
#include "wordlist/MarkerBytes.h"
#include "wordlist/Utf8Text.h"

#include <cstring>
#include <new>

WordPair* CPairList::newPair(unsigned char mark) {
  void* memory = store_.allocate(sizeof(WordPair), alignof(WordPair));
  if (!memory) return nullptr;
  WordPair* pair = new (memory) WordPair;
  pair->mark = mark;
  return pair;
}

void CPairList::link(WordPair* pair) {
  pair->id = count_++;
  if (last_) last_->next = pair;
  else head_ = pair;
  last_ = pair;
}

void CPairList::noteMarkers(const char* firstWord, size_t firstLength, const char* secondWord,
                            size_t secondLength) {
  if (holdsWordFileMarker(firstWord, firstLength) || holdsWordFileMarker(secondWord, secondLength))
    mayHoldFileMarkers_ = true;
}

int CPairList::append(const char* firstWord, const char* secondWord, unsigned char mark) {
  if (!firstWord) firstWord = "";
  if (!secondWord) secondWord = "";
  size_t firstLength = std::strlen(firstWord), secondLength = std::strlen(secondWord);
  const char* first = store_.copy(firstWord, firstLength);
  const char* second = first ? store_.copy(secondWord, secondLength) : nullptr;
  if (!second) return -1;
  noteMarkers(first, firstLength, second, secondLength);
  return appendInPlace(first, static_cast<unsigned>(firstLength), second,
                       static_cast<unsigned>(secondLength), mark);
}

int CPairList::appendInPlace(const char* firstWord, unsigned firstLength, const char* secondWord,
                             unsigned secondLength, unsigned char mark) {
  WordPair* pair = newPair(mark);
  if (!pair) return -1;
  pair->firstWord.text_ = firstWord;
  pair->firstWord.length_ = firstLength;
  pair->secondWord.text_ = secondWord;
  pair->secondWord.length_ = secondLength;
  link(pair);
  return pair->id;
}

bool CPairList::adoptBlock(std::unique_ptr<char[]> block) { return store_.adopt(std::move(block)); }

bool CPairList::setWords(WordPair* pair, const char* firstWord, const char* secondWord) {
  size_t firstLength = std::strlen(firstWord), secondLength = std::strlen(secondWord);
  const char* first = store_.copy(firstWord, firstLength);
  const char* second = first ? store_.copy(secondWord, secondLength) : nullptr;
  if (!second) return false;
  noteMarkers(first, firstLength, second, secondLength);
  pair->firstWord.text_ = first;
  pair->firstWord.length_ = static_cast<unsigned>(firstLength);
  pair->secondWord.text_ = second;
  pair->secondWord.length_ = static_cast<unsigned>(secondLength);
  return true;
}

void CPairList::relink(const std::vector<WordPair*>& order) {
  count_ = 0;
  head_ = cursor_ = last_ = nullptr;
  for (WordPair* pair : order) link(pair);
  if (last_) last_->next = nullptr;
}

PairHistory* CPairList::historyOf(WordPair* pair) {
  if (!pair->history) pair->history = allocateHistories(1);
  return pair->history;
}

PairHistory* CPairList::allocateHistories(size_t count) {
  void* memory = store_.allocate(count * sizeof(PairHistory), alignof(PairHistory));
  if (!memory) return nullptr;
  PairHistory* histories = static_cast<PairHistory*>(memory);
  for (size_t i = 0; i < count; ++i) new (histories + i) PairHistory;
  return histories;
}

void CPairList::clear() {
  store_.clear();
  count_ = 0;
  mayHoldFileMarkers_ = false;
  head_ = cursor_ = last_ = nullptr;
}

WordPair* CPairList::pairAt(int id) {
  if (id < 0 || id >= count_) return nullptr;
  WordPair* pair = cursor_ && cursor_->id <= id ? cursor_ : head_;
  while (pair && pair->id != id) pair = pair->next;
  if (pair) cursor_ = pair;
  return pair;
}

int CPairList::idOf(const WordPair* pair) const {
  for (const WordPair* node = head_; node; node = node->next)
    if (node == pair) return node->id;
  return -1;
}

unsigned char CPairList::markOf(int id) {
  WordPair* pair = pairAt(id);
  return pair ? pair->mark : 0;
}

bool CPairList::setMark(int id, unsigned char value) {
  WordPair* pair = pairAt(id);
  if (!pair) return false;
  pair->mark = value;
  return true;
}

bool CPairList::copyPair(int id, CText* firstWord, CText* secondWord) {
  WordPair* pair = pairAt(id);
  if (!pair) return false;
  *firstWord = pair->firstWord.c_str();
  *secondWord = pair->secondWord.c_str();
  return true;
}

int CPairList::countMarked() const {
  int marked = 0;
  for (WordPair* pair = head_; pair; pair = pair->next)
    if (pair->drilled()) ++marked;
  return marked;
}

WordPair* CPairList::findMarked(bool askSecond, const std::string& key,
                                const std::function<bool(const WordPair&)>& also) const {
  for (WordPair* pair = head_; pair; pair = pair->next) {
    const PairWord& question = askSecond ? pair->secondWord : pair->firstWord;
    if (pair->marked() && foldsTo(question.c_str(), question.length(), key) && also(*pair)) return pair;
  }
  return nullptr;
}

int CPairList::findMarked(const char* key1, const char* key2) const {
  const std::string second(key2);
  const WordPair* found = findMarked(false, key1, [&](const WordPair& pair) {
    return foldsTo(pair.secondWord.c_str(), pair.secondWord.length(), second);
  });
  return found ? found->id : -1;
}

void CPairList::takeFrom(CPairList& other) {
  if (&other == this) return;
  clear();
  store_.swap(other.store_);
  count_ = other.count_;
  mayHoldFileMarkers_ = other.mayHoldFileMarkers_;
  head_ = other.head_;
  cursor_ = other.cursor_;
  last_ = other.last_;
  other.count_ = 0;
  other.mayHoldFileMarkers_ = false;
  other.head_ = other.cursor_ = other.last_ = nullptr;
}
