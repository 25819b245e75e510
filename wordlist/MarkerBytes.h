#pragma once
// Texts typed by the user go into the word list, whose word file ends each
// text with 0x03 and the pairs with 0x02 and cannot escape them, and into the
// quiz window's coloured lines, which take 0x01 as the start of a colour
// code. A typed text therefore loses those bytes before it is stored.
#include "framework/core/Text.h"

// Removes every byte 0x01, 0x02 and 0x03 from text.
void dropMarkerBytes(CText* text);
