#pragma once
// WordTest: one test of the whole word list, marked pairs or not. It draws the
// pairs asked from the first word to the second and from the second to the
// first, keeps each typed answer, counts the right ones and builds the texts
// of the results and of the words grid. It has no window: the test window
// owns it and shows what it answers. The list and the random source are
// borrowed; the drill's state is neither used nor changed.
#include "quiz/drill/RandomSource.h"
#include "wordlist/WordList.h"

#include <memory>

class WordTest {
 public:
  // The most of an answer that is kept.
  enum { kAnswerLimit = 4085 };
  enum StartResult { kNothingAsked, kNotEnoughWords, kNoMemory, kStarted };

  // The texts of one row of the words grid.
  struct GridRow {
    CText question;
    CText typed;
    CText right;
  };

  WordTest(WordList& list, RandomSource& random);

  // A count as typed: a negative number, or a text that is no number, counts
  // 0; a number beyond the integers counts as the largest one, which no list
  // reaches.
  static int parseCount(const char* text);

  // Both counts 0: nothing is asked. A count beyond the pair count: not
  // enough words. Otherwise the random source is reseeded, the pairs of both
  // directions are drawn (never one pair twice in one direction) and the
  // first question is asked, from the second direction when the first count
  // is 0.
  StartResult start(int firstCount, int secondCount);
  bool running() const { return running_; }

  // The question asked now, while running.
  bool askingSecondWord() const { return askingSecond_; }
  int questionNumber() const { return position() + 1; }  // 1-based
  int directionCount() const { return askingSecond_ ? secondCount_ : firstCount_; }
  CText questionWord();
  const CText& questionLanguage() const;
  const CText& answerLanguage() const;

  // Keeps typed (cut to kAnswerLimit bytes, never inside a character) as the answer to the question asked
  // and goes on to the next one. False after the last question: the test no
  // longer runs, and its results and grid can be read until stop().
  bool next(const char* typed);
  // Frees the draws and the answers; the test is over.
  void stop();

  int total() const { return firstCount_ + secondCount_; }
  // Answers equal to their right word after both are lower-cased.
  int rightCount();
  // "Right answers: ..." with the grade when graded, otherwise without.
  CText resultText(bool graded);

  // The grid's entries: a heading, the first direction's questions, a second
  // heading and the second direction's questions. A row beyond them is left
  // as it is.
  int gridEntryCount() const { return total() + 2; }
  void gridRow(int entry, GridRow* row);

 private:
  int position() const { return askingSecond_ ? secondPosition_ : firstPosition_; }
  int currentIndex() const { return askingSecond_ ? firstCount_ + secondPosition_ : firstPosition_; }
  void fetch(int id, CText* first, CText* second);
  void fillHeading(const CText& asked, const CText& answered, GridRow* row) const;

  WordList& list_;
  RandomSource& random_;
  int firstCount_ = 0;
  int secondCount_ = 0;
  std::unique_ptr<int[]> ids_;        // the first direction's ids, then the second's
  std::unique_ptr<CText[]> answers_;  // in the same order
  int firstPosition_ = 0;
  int secondPosition_ = 0;
  bool askingSecond_ = false;
  bool running_ = false;
};
