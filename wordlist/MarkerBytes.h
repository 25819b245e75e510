#pragma once
// Texts typed by the user go into the word list, whose word file ends each
// text with 0x03 and the pairs with 0x02 and cannot escape them, and into the
// quiz window's coloured lines, which take 0x01 as the start of a colour
// code. A typed text therefore loses those bytes before it is stored.
#include "framework/core/Text.h"

#include <cstddef>

// Removes every byte 0x01, 0x02 and 0x03 from text.
void dropMarkerBytes(CText* text);
// True when size bytes from bytes hold 0x02 or 0x03, which a word file
// cannot store inside a text.
bool holdsWordFileMarker(const char* bytes, size_t size);
