#pragma once
// WordRows: the rows of the word list window in display order. While the
// window is open the rows own the list's pairs: opening moves them out of the
// WordList, closing gives them back in display order. A row's check box is
// its pair's mark. Sorting, moving, marking and deleting work on the order
// alone, so that they cost no copying of words. Window-free.
#include "wordlist/WordList.h"

#include <functional>
#include <string>
#include <vector>

class WordRows {
 public:
  enum Column { kFirstWord = 0, kSecondWord = 1 };
  // Writes into *key the sort key of a word: rows are ordered by comparing
  // the keys of the chosen word byte by byte.
  using SortKey = std::function<void(const PairWord& word, std::string* key)>;

  WordRows() = default;
  WordRows(const WordRows&) = delete;
  WordRows& operator=(const WordRows&) = delete;

  int count() const { return static_cast<int>(order_.size()); }
  // 0 <= row < count().
  const WordPair& at(int row) const { return *order_[row]; }
  bool checked(int row) const { return order_[row]->marked(); }
  void setChecked(int row, bool on) { order_[row]->mark = on ? 1 : 0; }

  // Opening: list's pairs become the rows in list order; list keeps none.
  void takeFrom(WordList& list);
  // Closing: the rows in display order become list's pairs (its old pairs
  // are freed), marked 1 when checked and 0 otherwise; no rows remain.
  void giveBack(WordList& list);
  // The autosave's loan: list gets the rows' pairs as giveBack() gives them,
  // and takeBack() returns them to the rows unchanged. Nothing else may use
  // the rows or list's pairs in between.
  void lendTo(WordList& list);
  void takeBack(WordList& list);

  // Appends a row with copies of both words, reserved bytes dropped. False
  // when memory cannot be had (no row is added then).
  bool append(const char* first, const char* second, bool checked);
  // Gives row copies of two new words, reserved bytes dropped; its check
  // stays. False when memory cannot be had (the row keeps its words).
  bool setWords(int row, const char* first, const char* second);
  // Drops the rows from row count on, such as those appended since.
  void truncate(int count);
  // Deletes rows, given in ascending order, each at most once.
  void remove(const std::vector<int>& rows);

  // Exchange a row with its neighbour; false at the top or bottom.
  bool moveUp(int row);
  bool moveDown(int row);
  // Exchanges the first and the second word of row; its check stays.
  void swapWords(int row);
  void checkAll(bool on);
  void invertChecks();
  // A stable sort by the chosen word; descending reverses the comparison.
  void sort(Column column, bool descending, const SortKey& key);

 private:
  void relinkWithPlainMarks();

  CPairList pairs_;
  std::vector<WordPair*> order_;
};
