#pragma once
// Plain functions on NUL-terminated 8-bit strings.

// Lower-cases copies of both with the system's ANSI lower-casing and compares
// them as unsigned bytes: -1, 0 or 1. A failed allocation is recorded as
// error 2 with the error recorder; the result is then 0.
int compareNoCase(const char* a, const char* b);

// True when pattern occurs anywhere in text. "?" matches any one character and
// "*" at least one character; each segment between stars is taken at its first
// match from the left.
bool patternFound(const char* text, const char* pattern);

int findChar(const char* text, char c);  // first index or -1
int findLastChar(const char* text, char c);  // last index or -1
int findCharAfter(const char* text, char c, int position);  // first index after position, or -1

// Copies up to count characters, stopping at the source's NUL; the destination
// (count + 1 bytes) is always terminated.
void copyBounded(char* destination, const char* source, int count);

void fillBytes(void* destination, unsigned char value, unsigned count);
void moveBytes(void* destination, const void* source, unsigned count);  // overlap-safe
