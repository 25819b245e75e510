#pragma once
// Readers of fields from comma-separated text files: quoted texts, numbers
// and the words TRUE and FALSE between "#" signs. They read byte by byte from
// a raw file handle and record error 3 with the error recorder on failure;
// callers clear the recorder first and test its last code afterwards.
#include "framework/core/Win32.h"

// Copies the next quoted text into destination (at most size - 1 bytes, the
// rest of the text is dropped) and skips past the next comma or line feed.
void readStringField(HANDLE file, char* destination, int size);

// Reads a number (leading digits count) or #TRUE# / #FALSE# (1 / 0) and skips
// past the next comma or line feed. destination may be null. A carriage
// return ends a number like a space, so that CR LF line ends are accepted.
void readValueField(HANDLE file, long* destination);
