#pragma once
// PairHistory: what the drill remembers of one pair across sessions, for the
// learning schedule (quiz/Schedule.h). A pair that was never asked has none.
// Kept in the word file's history block (wordlist/HistoryBlock.h).
#include <cstdint>

struct PairHistory {
  uint16_t rightCount = 0;    // answers judged right; stays at 65535
  uint16_t wrongCount = 0;    // answers judged wrong; stays at 65535
  uint16_t lastAskedDay = 0;  // the local calendar day, counted from 1 January 1970
  uint8_t box = 0;            // 1 to 5 once asked; 0 when never asked
};
