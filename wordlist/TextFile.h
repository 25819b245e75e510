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
// name). Every pair read is marked. The bytes 0x02 and 0x03, which a word
// file cannot store in a word, are dropped from the words.
FileResult readText(WordList& list, bool oem, const InvalidLineQuestion& question);

// Writes every pair as first word, tab, second word, CR LF. The header texts
// are not written.
FileResult writeText(WordList& list, bool oem);
