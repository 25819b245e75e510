#pragma once
// WordRowEditor: what the Add Words and Change Words dialogs ask of the word
// list window, which implements it over its rows (a row is a pair of the
// window's list; its check box is the pair's mark). Rows are counted in
// display order from 0.
#include "framework/core/Text.h"

class WordRowEditor {
 public:
  virtual ~WordRowEditor() = default;

  // Appends a checked row with the two words at the end, scrolls it into
  // view and repaints. False when memory cannot be had; nothing is added.
  virtual bool appendCheckedRow(const char* firstWord, const char* secondWord) = 0;
  // The first selected row after row (-1: from the top), or -1.
  virtual int nextSelectedRow(int row) const = 0;
  virtual void rowWords(int row, CText* firstWord, CText* secondWord) const = 0;
  // Gives row the two words, keeping its check, and repaints it. False when
  // memory cannot be had; the row keeps its words.
  virtual bool changeRowWords(int row, const char* firstWord, const char* secondWord) = 0;
};
