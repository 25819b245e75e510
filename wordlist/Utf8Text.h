#pragma once
// Text in UTF-8 and in code page 1252 (Windows Western). Text files in UTF-8
// are recognised by their byte order mark, or by being well-formed UTF-8 with
// characters beyond ASCII; plain ASCII reads the same either way. The
// functions on characters read the program's strings as programEncoding()
// says (wordlist/TextEncoding.h): one byte a character in code page 1252, one
// well-formed sequence a character in UTF-8, where a byte that begins no
// well-formed sequence counts as one character of its own and is kept as it
// is. Window-free, so that the conversion is the same on every system.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// True when text begins with the byte order mark EF BB BF, or is well-formed
// UTF-8 holding at least one character beyond ASCII.
bool isUtf8Text(const char* text, size_t size);
// True when text is well-formed UTF-8 (the empty text is).
bool isWellFormedUtf8(const char* text, size_t size);

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

// True when every character of the UTF-8 text has a byte in code page 1252
// (a byte that is not well-formed UTF-8 has none).
bool fitsCp1252(const std::string& utf8);
bool fitsCp1252(const char* utf8, size_t size);
// putCp1252, which puts such text in code page 1252, is in
// wordlist/Cp1252Walk.h.

// UTF-8 text in the program's encoding: as it is in UTF-8; in code page 1252
// with '?' for each character the code page lacks, *lost (may be null) then
// set true. Bytes that are not well-formed UTF-8 count as lost too.
std::string fromUtf8(const std::string& utf8, bool* lost);
// The program's text as UTF-8 (kept as it is in UTF-8).
std::string toUtf8(const std::string& text);

// The byte index just after the character that starts at byte index at (at
// most text.size()).
size_t nextCharacter(const std::string& text, size_t at);
// The byte index of the character that ends at byte index at (0 at 0).
size_t previousCharacter(const std::string& text, size_t at);
size_t characterCount(const std::string& text);
// The bytes of text (ended by its 0) kept when it is cut to at most limit
// bytes without cutting a character in two.
size_t cutLength(const char* text, size_t limit);
// The Unicode character that starts at byte index at; a byte that begins no
// well-formed sequence gives U+FFFD.
uint32_t characterAt(const std::string& text, size_t at);
// Every character of text, as characterAt gives them.
std::u32string charactersOf(const std::string& text);

// The case-insensitive comparison key of text: every letter of a script with
// case (Latin with its extensions, Greek with its final sigma, Cyrillic,
// Armenian, Georgian, Cherokee, Glagolitic, Coptic, Deseret...) by its simple
// case folding, so that two texts that differ only in case give the same key.
// İ folds to i, as its lower case has it. Where the program's strings are
// not UTF-8, the key is the system's lower-casing of each byte, as always.
std::string foldCase(const std::string& text);
uint32_t foldedCharacter(uint32_t character);
// True when foldCase of the length bytes of text equals key; stops at the
// first difference.
bool foldsTo(const char* text, size_t length, const std::string& key);
// True when a and b differ at most in case.
bool sameIgnoringCase(const std::string& a, const std::string& b);

// The lenient key of text: each letter of Latin, Greek and Cyrillic without
// the marks of its canonical decomposition (é gives e, ῷ gives ω, й gives и),
// the letters with a stroke as their base letter as code page 1252's Ø always
// was (ł gives l), and combining marks that follow a character dropped. Other
// letters (æ, ð, þ, ß, ı) stay. In code page 1252 byte for byte as before.
std::string withoutMarks(const std::string& text);
// The base letter of character, or character when it has no marks to lose.
uint32_t baseLetter(uint32_t character);
// True for a combining mark that withoutMarks drops.
bool isCombiningMark(uint32_t character);

// The program's text as UTF-16, and back. Characters code page 1252 lacks
// become '?' on the way back there; a byte that is not well-formed UTF-8, and
// a lone surrogate, become U+FFFD.
std::wstring utf16Of(const std::string& text);
std::string fromUtf16(const std::wstring& text);
// UTF-16 as UTF-8, whatever the program's encoding; a lone surrogate becomes
// U+FFFD.
std::string utf16ToUtf8(const std::wstring& text);
