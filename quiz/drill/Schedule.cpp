#include "quiz/drill/Schedule.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

const uint16_t kMostAnswers = 0xFFFF;

void countOne(uint16_t* count) {
  if (*count < kMostAnswers) ++*count;
}

// Days from 1 January 1970 to the date (the proleptic Gregorian calendar).
long daysFromCivil(long year, unsigned month, unsigned day) {
  year -= month <= 2;
  long era = (year >= 0 ? year : year - 399) / 400;
  unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
  unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<long>(dayOfEra) - 719468;
}

// True when a's record is worse than b's.
bool worse(const WordPair* a, const WordPair* b) {
  uint64_t aWrong = a->history->wrongCount, bWrong = b->history->wrongCount;
  uint64_t aTotal = aWrong + a->history->rightCount, bTotal = bWrong + b->history->rightCount;
  if (aWrong * bTotal != bWrong * aTotal) return aWrong * bTotal > bWrong * aTotal;
  if (aWrong != bWrong) return aWrong > bWrong;
  return a->id < b->id;
}

}  // namespace

namespace Schedule {

int intervalDays(int box) { return 1 << (std::min(std::max(box, 1), static_cast<int>(kBoxes)) - 1); }

void recordAnswer(PairHistory* history, bool right, unsigned today) {
  if (right) {
    countOne(&history->rightCount);
    history->box = static_cast<uint8_t>(std::min(std::max<int>(history->box, 1) + 1, static_cast<int>(kBoxes)));
  } else {
    countOne(&history->wrongCount);
    history->box = 1;
  }
  history->lastAskedDay = static_cast<uint16_t>(std::min(today, static_cast<unsigned>(kMostAnswers)));
}

bool isDue(const PairHistory* history, unsigned today) {
  return !history || history->box == 0 ||
         today >= static_cast<unsigned>(history->lastAskedDay) + intervalDays(history->box);
}

int markDue(CPairList& pairs, unsigned today) {
  int marked = 0;
  for (WordPair* pair = pairs.head(); pair; pair = pair->next) {
    pair->mark = isDue(pair->history, today) ? 1 : 0;
    marked += pair->mark;
  }
  return marked;
}

int markHard(CPairList& pairs, int wanted) {
  std::vector<WordPair*> wrong;
  for (WordPair* pair = pairs.head(); pair; pair = pair->next) {
    pair->mark = 0;
    if (pair->history && pair->history->wrongCount > 0) wrong.push_back(pair);
  }
  size_t chosen = std::min(wrong.size(), static_cast<size_t>(std::max(wanted, 0)));
  std::partial_sort(wrong.begin(), wrong.begin() + chosen, wrong.end(), worse);
  for (size_t i = 0; i < chosen; ++i) wrong[i]->mark = 1;
  return static_cast<int>(chosen);
}

unsigned today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  long days = daysFromCivil(now.wYear, now.wMonth, now.wDay);
  return days > 0 ? static_cast<unsigned>(days) : 0;
}

}  // namespace Schedule
