#pragma once
#include "framework/Text.h"

// One pair of the word list; a node of CPairList, which owns it.
struct WordPair {
  CText firstWord;
  CText secondWord;
  int id = 0;  // position in the list, 0 for the first pair
  unsigned char mark = 0;  // 1 = takes part in the drill
  WordPair* next = nullptr;
};
