#include "editor/model/WordRows.h"

#include "wordlist/WordBytes.h"

#include <algorithm>
#include <new>
#include <utility>

namespace {

std::string withoutReservedBytes(const char* word) {
  std::string clean;
  for (const char* p = word; *p; ++p)
    if (!isReservedWordByte(*p)) clean.push_back(*p);
  return clean;
}

}  // namespace

void WordRows::takeFrom(WordList& list) {
  pairs_.takeFrom(list.pairs);
  order_.clear();
  order_.reserve(pairs_.count());
  for (WordPair* pair = pairs_.head(); pair; pair = pair->next) order_.push_back(pair);
}

void WordRows::giveBack(WordList& list) {
  relinkWithPlainMarks();
  list.pairs.takeFrom(pairs_);
  order_.clear();
}

void WordRows::lendTo(WordList& list) {
  relinkWithPlainMarks();
  list.pairs.takeFrom(pairs_);
}

void WordRows::takeBack(WordList& list) { pairs_.takeFrom(list.pairs); }

void WordRows::relinkWithPlainMarks() {
  for (WordPair* pair : order_) pair->mark = pair->marked() ? 1 : 0;
  pairs_.relink(order_);
}

bool WordRows::append(const char* first, const char* second, bool checked) {
  try {
    order_.reserve(order_.size() + 1);
  } catch (const std::bad_alloc&) {
    return false;
  }
  std::string cleanFirst = withoutReservedBytes(first), cleanSecond = withoutReservedBytes(second);
  if (pairs_.append(cleanFirst.c_str(), cleanSecond.c_str(), checked ? 1 : 0) < 0) return false;
  order_.push_back(pairs_.last());
  return true;
}

bool WordRows::setWords(int row, const char* first, const char* second) {
  std::string cleanFirst = withoutReservedBytes(first), cleanSecond = withoutReservedBytes(second);
  return pairs_.setWords(order_[row], cleanFirst.c_str(), cleanSecond.c_str());
}

void WordRows::truncate(int count) {
  if (count >= 0 && count < this->count()) order_.resize(count);
}

void WordRows::remove(const std::vector<int>& rows) {
  size_t kept = 0, next = 0;
  for (size_t row = 0; row < order_.size(); ++row) {
    if (next < rows.size() && rows[next] == static_cast<int>(row)) {
      ++next;
      continue;
    }
    order_[kept++] = order_[row];
  }
  order_.resize(kept);
}

bool WordRows::moveUp(int row) {
  if (row <= 0 || row >= count()) return false;
  std::swap(order_[row], order_[row - 1]);
  return true;
}

bool WordRows::moveDown(int row) {
  if (row < 0 || row + 1 >= count()) return false;
  std::swap(order_[row], order_[row + 1]);
  return true;
}

void WordRows::swapWords(int row) { std::swap(order_[row]->firstWord, order_[row]->secondWord); }

void WordRows::checkAll(bool on) {
  for (WordPair* pair : order_) pair->mark = on ? 1 : 0;
}

void WordRows::invertChecks() {
  for (WordPair* pair : order_) pair->mark = pair->marked() ? 0 : 1;
}

void WordRows::sort(Column column, bool descending, const SortKey& key) {
  std::vector<std::pair<std::string, WordPair*>> keyed(order_.size());
  for (size_t i = 0; i < order_.size(); ++i) {
    key(column == kFirstWord ? order_[i]->firstWord : order_[i]->secondWord, &keyed[i].first);
    keyed[i].second = order_[i];
  }
  auto less = [descending](const std::pair<std::string, WordPair*>& a, const std::pair<std::string, WordPair*>& b) {
    return descending ? b.first < a.first : a.first < b.first;
  };
  std::stable_sort(keyed.begin(), keyed.end(), less);
  for (size_t i = 0; i < order_.size(); ++i) order_[i] = keyed[i].second;
}
