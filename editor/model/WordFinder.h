#pragma once
// The search of the Find dialog over the rows of the word list window.
// Window-free.
#include "editor/model/WordRows.h"

// Search flags, as the Find dialog keeps them.
enum FindFlags : unsigned { kFindDown = 1, kFindMatchCase = 2, kFindWholeWord = 4 };

// Steps from row start (which is not tested) in the direction of flags,
// wrapping around at either end, and answers the first row whose first or
// second word matches text, or -1 when the steps come back to start. With
// start -1 every row is tested once: from the top downwards, from the bottom
// upwards. Without kFindMatchCase both sides are case folded in every script
// (wordlist/Utf8Text.h). A word matches when it equals text (kFindWholeWord)
// or else when text occurs in it as a pattern ("?" any one character of the
// program's encoding, "*" at least one). Empty words never match; an empty
// text finds nothing.
int findRow(const WordRows& rows, int start, const char* text, unsigned flags);
