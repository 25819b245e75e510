#pragma once
// Text in UTF-8 and the program's code page 1252 (Windows Western), which
// holds every word. Text files in UTF-8 are recognised by their byte order
// mark, or by being well-formed UTF-8 with characters beyond ASCII; plain
// ASCII reads the same either way. Window-free, so that the conversion is the
// same on every system.
#include <cstddef>
#include <string>
#include <vector>

// True when text begins with the byte order mark EF BB BF, or is well-formed
// UTF-8 holding at least one character beyond ASCII.
bool isUtf8Text(const char* text, size_t size);

// Converts UTF-8 text, its byte order mark dropped, to code page 1252. A
// character that code page cannot hold, and each byte that is not part of
// well-formed UTF-8, becomes '?', and its line's number (from 1; CR, LF and
// CR LF each end one line, as in wordlist/TextLines.h) goes to badLines, once
// and in ascending order. Line breaks stay where they are.
std::string utf8ToCp1252(const char* text, size_t size, std::vector<int>* badLines);

// Text in code page 1252 as UTF-8, without byte order mark. The five bytes
// that code page leaves undefined stand for the control characters of the
// same number, as the system's conversion has it, so they convert back.
std::string cp1252ToUtf8(const char* text, size_t size);
