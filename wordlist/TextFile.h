#pragma once
// Word lists as plain text, one pair per line: the first word, a tab or two or
// more spaces, the second word. ANSI or OEM code page.
#include "wordlist/FileResult.h"
#include "wordlist/WordList.h"

#include <functional>

// A text line that cannot become a pair: number is its line in the file
// (from 1), reason why not.
struct InvalidLine {
  enum class Reason {
    NoPair,         // no separator, or an empty word
    Unconvertible,  // a character that the program's code page cannot hold (wordlist/Utf8Text.h)
    TooLong,        // a word longer than a word file holds (kLongestWordFileText)
  };
  int number = 0;
  Reason reason = Reason::NoPair;
};

// Asked for each invalid line; answers true to skip the line and read on,
// false to stop reading (UnknownFormat).
using InvalidLineQuestion = std::function<bool(const InvalidLine& line)>;

// Reads the file named by list.fileName into list (reset, keeping the file
// name) by the line rule of wordlist/TextLines.h. Every pair read is marked;
// reserved bytes (wordlist/WordBytes.h) are dropped from the words. The ANSI
// variant reads code page 1252, UTF-8 with or without its byte order mark,
// and UTF-16 with its mark (wordlist/Utf8Text.h), into the program's
// encoding. A line with a word too long for a word file, or, where the
// program's texts are in code page 1252, with a character it cannot hold, is
// asked about even when it is the last one, and never taken.
FileResult readText(WordList& list, bool oem, const InvalidLineQuestion& question);

// Writes every pair as first word, tab, second word, CR LF. The header texts
// are not written. Where the program's texts are UTF-8, the ANSI variant
// writes code page 1252 while every word fits it, else UTF-8 with its byte
// order mark.
FileResult writeText(WordList& list, bool oem);

// The same in UTF-8 whatever the words, without byte order mark; the list's
// format becomes Text.
FileResult writeUtf8Text(WordList& list);
