#pragma once
// WordList: the open word list with its header texts, file name and format.
#include "framework/core/Text.h"
#include "wordlist/PairList.h"

// How a list is saved; 2 is not used.
enum ListFormat : int {
  kFormatNone = 0,
  kFormatWordFile = 1,
  kFormatText = 3,
  kFormatOemText = 4,
};

struct WordList {
  WordList() { reset(true); }

  // Clears pairs, languages and author; the information becomes "Made: " and
  // today's short date. forgetFile also clears the file name and the format.
  void reset(bool forgetFile);
  // Exchanges the header, file name and format with other and moves its pairs
  // over; other is left with this list's old header and no pairs.
  void take(WordList& other);

  CText fileName;
  CText firstLanguage;
  CText secondLanguage;
  CText information;
  CText author;
  CPairList pairs;
  int format = kFormatNone;
  // The pairs' histories changed since the list was read or saved; it goes
  // with the pairs.
  bool historyChanged = false;
  // The list was read from a file with characters that the program's code
  // page lacks; they became '?', and saving the list loses them. Set by the
  // word file reader, cleared by reset and taken over by take; the writers
  // leave it alone, so that the window decides when the loss is agreed.
  bool charactersLost = false;
};
