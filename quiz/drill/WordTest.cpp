#include "quiz/drill/WordTest.h"

#include "quiz/drill/TestDraw.h"
#include "quiz/drill/TestGrade.h"
#include "resources/QuizResourceIds.h"
#include "wordlist/Utf8Text.h"

#include <climits>
#include <new>
#include <string>
#include <vector>

WordTest::WordTest(WordList& list, RandomSource& random) : list_(list), random_(random) {}

int WordTest::parseCount(const char* text) {
  while (*text == ' ') ++text;
  bool negative = *text == '-';
  if (*text == '-' || *text == '+') ++text;
  if (*text < '0' || *text > '9') return 0;
  long long value = 0;
  for (; *text >= '0' && *text <= '9'; ++text)
    if (value <= INT_MAX) value = value * 10 + (*text - '0');
  while (*text == ' ') ++text;
  if (*text != 0 || negative) return 0;
  return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

WordTest::StartResult WordTest::start(int firstCount, int secondCount) {
  stop();
  if (firstCount < 0) firstCount = 0;
  if (secondCount < 0) secondCount = 0;
  if (firstCount == 0 && secondCount == 0) return kNothingAsked;
  random_.reseed();
  int pairCount = list_.pairs.count();
  if (pairCount < firstCount || pairCount < secondCount) return kNotEnoughWords;
  TestDraw draw;
  ids_.reset(new (std::nothrow) int[firstCount + secondCount]);
  answers_.reset(new (std::nothrow) CText[firstCount + secondCount]);
  if (!ids_ || !answers_ || !draw.prepare(pairCount)) {
    stop();
    return kNoMemory;
  }
  draw.draw(random_, firstCount, ids_.get());
  draw.draw(random_, secondCount, ids_.get() + firstCount);
  firstCount_ = firstCount;
  secondCount_ = secondCount;
  askingSecond_ = firstCount == 0;
  running_ = true;
  return kStarted;
}

CText WordTest::questionWord() {
  CText first, second;
  if (running_) fetch(ids_[currentIndex()], &first, &second);
  return askingSecond_ ? second : first;
}

const CText& WordTest::questionLanguage() const {
  return askingSecond_ ? list_.secondLanguage : list_.firstLanguage;
}

const CText& WordTest::answerLanguage() const {
  return askingSecond_ ? list_.firstLanguage : list_.secondLanguage;
}

bool WordTest::next(const char* typed) {
  if (!running_) return false;
  answers_[currentIndex()].assign(typed, static_cast<int>(cutLength(typed, kAnswerLimit)));
  if (askingSecond_) ++secondPosition_;
  else if (++firstPosition_ == firstCount_) askingSecond_ = true;
  running_ = !askingSecond_ || secondPosition_ < secondCount_;
  return running_;
}

void WordTest::stop() {
  ids_.reset();
  answers_.reset();
  firstCount_ = secondCount_ = 0;
  firstPosition_ = secondPosition_ = 0;
  askingSecond_ = false;
  running_ = false;
}

int WordTest::rightCount() {
  // One walk finds every pair, where a lookup by id in random order could
  // walk the list once per answer.
  std::vector<const WordPair*> pairs;
  pairs.reserve(list_.pairs.count());
  for (const WordPair* pair = list_.pairs.head(); pair; pair = pair->next) pairs.push_back(pair);
  int right = 0;
  for (int i = 0; i < total(); ++i) {
    if (ids_[i] >= static_cast<int>(pairs.size())) continue;
    const WordPair* pair = pairs[ids_[i]];
    const PairWord& expected = i < firstCount_ ? pair->secondWord : pair->firstWord;
    if (sameIgnoringCase(std::string(expected.c_str(), expected.length()), answers_[i].c_str())) ++right;
  }
  return right;
}

CText WordTest::resultText(bool graded) {
  CText text;
  int right = rightCount();
  if (graded) text.formatResource(QuizString::kTestResultGraded, right, total(), testGrade(right, total()).c_str());
  else text.formatResource(QuizString::kTestResult, right, total());
  return text;
}

void WordTest::gridRow(int entry, GridRow* row) {
  if (entry == 0) {
    fillHeading(list_.firstLanguage, list_.secondLanguage, row);
    return;
  }
  if (entry == firstCount_ + 1) {
    fillHeading(list_.secondLanguage, list_.firstLanguage, row);
    return;
  }
  if (!ids_ || entry < 0 || entry >= gridEntryCount()) return;
  bool second = entry > firstCount_;
  int index = second ? entry - 2 : entry - 1;
  CText first, secondWord;
  fetch(ids_[index], &first, &secondWord);
  row->question = second ? secondWord : first;
  row->typed = answers_[index];
  row->right = second ? first : secondWord;
}

// A pair that is gone (the list was replaced meanwhile) shows empty words.
void WordTest::fetch(int id, CText* first, CText* second) {
  if (!list_.pairs.copyPair(id, first, second)) {
    first->clear();
    second->clear();
  }
}

void WordTest::fillHeading(const CText& asked, const CText& answered, GridRow* row) const {
  row->question.formatResource(QuizString::kGridQuestion, asked.c_str());
  row->typed.formatResource(QuizString::kGridYourAnswer, answered.c_str());
  row->right.formatResource(QuizString::kGridRightAnswer, answered.c_str());
}
