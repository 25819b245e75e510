#include "wordlist/PairList.h"

#include "framework/Win32.h"

#include <new>

CPairList::~CPairList() { clear(); }

int CPairList::append(const char* firstWord, const char* secondWord, unsigned char mark) {
  WordPair* pair = new (std::nothrow) WordPair;
  if (!pair) return -1;
  pair->firstWord = firstWord;
  pair->secondWord = secondWord;
  pair->id = count_++;
  pair->mark = mark;
  if (last_) last_->next = pair;
  else head_ = pair;
  last_ = pair;
  return pair->id;
}

void CPairList::clear() {
  while (head_) {
    WordPair* next = head_->next;
    delete head_;
    head_ = next;
  }
  count_ = 0;
  cursor_ = last_ = nullptr;
}

WordPair* CPairList::pairAt(int id) {
  if (id < 0 || id >= count_) return nullptr;
  WordPair* pair = cursor_ && cursor_->id <= id ? cursor_ : head_;
  while (pair && pair->id != id) pair = pair->next;
  if (pair) cursor_ = pair;
  return pair;
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
  *firstWord = pair->firstWord;
  *secondWord = pair->secondWord;
  return true;
}

int CPairList::countMarked() const {
  int marked = 0;
  for (WordPair* pair = head_; pair; pair = pair->next)
    if (pair->mark == 1) ++marked;
  return marked;
}

int CPairList::findMarked(const char* key1, const char* key2) const {
  CText key(key1);
  for (WordPair* pair = head_; pair; pair = pair->next) {
    if (pair->mark == 0 || pair->firstWord.length() != key.length()) continue;
    CText first(pair->firstWord);
    first.lower();
    if (first.compare(key1) != 0) continue;
    CText second(pair->secondWord);
    second.lower();
    if (second.compare(key2) == 0) return pair->id;
  }
  return -1;
}

void CPairList::takeFrom(CPairList& other) {
  if (&other == this) return;
  clear();
  count_ = other.count_;
  head_ = other.head_;
  cursor_ = other.cursor_;
  last_ = other.last_;
  other.count_ = 0;
  other.head_ = other.cursor_ = other.last_ = nullptr;
}
