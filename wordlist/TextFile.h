#pragma once
// Word lists as plain text, one pair per line: the first word, a tab or two or
// more spaces, the second word. ANSI or OEM code page.
#include "wordlist/FileResult.h"
#include "wordlist/WordList.h"

#include <functional>

// Asked when a text line has no separator or an empty word; answers true to
// skip the line and read on, false to stop reading (UnknownFormat).
using InvalidLineQuestion = std::function<bool()>;

// Reads the file named by list.fileName into list (reset, keeping the file
// name) by the line rule of wordlist/TextLines.h. Every pair read is marked;
// reserved bytes (wordlist/WordBytes.h) are dropped from the words.
FileResult readText(WordList& list, bool oem, const InvalidLineQuestion& question);

// Writes every pair as first word, tab, second word, CR LF. The header texts
// are not written.
FileResult writeText(WordList& list, bool oem);
