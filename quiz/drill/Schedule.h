#pragma once
// Schedule: the five-box learning schedule over the pairs' histories
// (wordlist/PairHistory.h). A pair answered right moves up one box (up to
// box 5), one answered wrong goes back to box 1; a pair never asked counts as
// in box 1. A pair in box n is due again 1, 2, 4, 8 or 16 days after it was
// last asked; a pair never asked is due at once. Days are local calendar days
// counted from 1 January 1970. Window-free.
#include "wordlist/PairList.h"

namespace Schedule {

enum { kBoxes = 5 };

// Days after the last question until a pair in box is due again.
int intervalDays(int box);
// Counts the answer into history and puts it into its new box; today is
// stored as the day last asked.
void recordAnswer(PairHistory* history, bool right, unsigned today);
// True when a pair with history (null: never asked) is due on today.
bool isDue(const PairHistory* history, unsigned today);

// Marks exactly the pairs due on today and unmarks the others; answers how
// many it marked.
int markDue(CPairList& pairs, unsigned today);
// Marks the wanted pairs with the worst record and unmarks the others: only
// pairs answered wrong at least once count, the largest share of wrong
// answers first, then the most wrong answers, then list order. Answers how
// many it marked (fewer than wanted when fewer pairs were ever wrong).
int markHard(CPairList& pairs, int wanted);

// Today's local calendar day.
unsigned today();

}  // namespace Schedule
