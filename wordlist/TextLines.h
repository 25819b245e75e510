#pragma once
// The line rule of word lists kept as text, shared by the text file reader and
// text pasted from the clipboard. A line holds the first word, a separator (a
// tab, or two or more spaces, with all spaces and tabs after it) and the
// second word; a single space belongs to its word. CR or LF ends a line, and
// every run of CR, LF, spaces and tabs at the start of the text and after a
// line break is skipped, so blank lines and indentation are ignored. A further
// separator in a line joins the text on both sides into the second word.
// Reserved bytes (wordlist/WordBytes.h) are dropped from the words.
#include "wordlist/WordFileLayout.h"

#include <cstddef>
#include <functional>
#include <string>

struct TextLine {
  std::string first;
  std::string second;
  bool separatorSeen = false;
  bool joined = false;        // text followed a further separator
  bool endedByBreak = false;  // false only for a last line without a break
  // Where the line stands in the text, from 1: CR, LF and CR LF each end one
  // line, blank lines included.
  int number = 0;

  // A pair: a separator and two non-empty words.
  bool valid() const { return separatorSeen && !first.empty() && !second.empty(); }
  // A word longer than a word file holds (in the program's encoding): a
  // list that took it could be saved but not opened again.
  bool tooLong() const;
};

// Hands each line of text to onLine, which answers false to stop. The text
// ends after length bytes or at its first 0 byte. A last line without a line
// break is handed on too. Answers false when onLine stopped the walk.
bool splitTextLines(const char* text, size_t length, const std::function<bool(const TextLine&)>& onLine);
