#pragma once
// Rows as plain clipboard text: one line per row, the first word, a tab, the
// second word and CR LF. Pasted text follows the line rule of word lists kept
// as text (wordlist/TextLines.h). Window-free.
#include "editor/model/WordRows.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// The text for the given rows (indices into rows, in order), without the
// ending 0 byte.
std::string makeClipboardText(const WordRows& rows, const std::vector<int>& selected);

// Reads text of at most size bytes (it ends earlier at a 0 byte) and hands the
// words of each valid line to onPair, which answers false to stop; the result
// is then false. Every other line, and one with a word too long for a word
// file, is dropped without a question.
bool readClipboardText(const char* text, size_t size,
                       const std::function<bool(const std::string& first, const std::string& second)>& onPair);

// The Paste button's test: every line ended by a line break has a separator,
// and no line has text after a further separator. A last line without a
// break needs no separator.
bool isPastableText(const char* text, size_t size);
