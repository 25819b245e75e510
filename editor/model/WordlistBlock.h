#pragma once
// The private clipboard format "Wordlist": the bytes 0xFF 0x01, the row count
// N as a 32-bit little-endian number, then N records of the first word, a 0
// byte, the second word, a 0 byte and a mark byte (1 checked, 0 not). The
// words are in code page 1252 while every one fits it, so that the block is
// the same as it always was; otherwise they are in UTF-8 and the block begins
// 0xFF 0x02 instead, which a program that knows only code page 1252 does not
// paste. Window-free.
#include "editor/model/WordRows.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// The block for the given rows (indices into rows, in order).
std::string makeWordlistBlock(const WordRows& rows, const std::vector<int>& selected);

// True when block starts with 0xFF 0x01 or 0xFF 0x02 (what the Paste button
// looks for).
bool isWordlistBlock(const char* block, size_t size);

// Reads a block of size bytes, which may come from any program. It is taken
// whole or not at all: false, and onRow never called, when the block does not
// start as isWordlistBlock says or does not hold N complete records within size.
// Bytes after the last record are ignored. Otherwise onRow gets each record's
// words in the program's encoding (0-terminated, valid during the call; a
// character the program's code page lacks becomes '?') and whether its mark
// byte is 1, in order, and answers false to stop; the result is then false
// too. A record with a word longer than a word file holds is left out, as a
// pasted line of text with one is.
bool readWordlistBlock(const char* block, size_t size,
                       const std::function<bool(const char* first, const char* second, bool checked)>& onRow);
