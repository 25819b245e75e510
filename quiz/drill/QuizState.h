#pragma once
// The drill's state: the shuffled order of the marked pairs, the pair asked
// and the one asked before, the points and the latest judgement. Owned by the
// quiz window through its Drill.
#include "framework/core/Text.h"

#include <memory>

struct WordPair;

enum AnswerResult { NoAnswer = 0, Right = 1, Wrong = 2, RightByOtherPair = 3 };

struct QuizState {
  QuizState() = default;
  QuizState(const QuizState&) = delete;
  QuizState& operator=(const QuizState&) = delete;
  ~QuizState();

  // Points and position back to the start; the order is kept until the next
  // shuffle replaces it.
  void reset();
  // Replaces order with an uninitialised block of newCount ids (none for 0);
  // false when memory cannot be had, leaving no order and count 0.
  bool allocateOrder(int newCount);
  // Takes the entry at index out of order; later entries move down.
  void removeOrderEntry(int index);

  std::unique_ptr<int[]> order;  // count entries
  int count = 0;
  int position = 0;      // index of the next pair to take
  int currentId = 0;     // -1 when no pair is asked
  int previousId = 0;    // -1 when the pair answered last is gone from the list
  int answeredCount = -1;
  int rightCount = 0;
  AnswerResult lastResult = NoAnswer;
  int otherPairId = 0;
  CText lastAnswer;
  // The nodes of previousId and otherPairId. Ids are places in the list, and
  // the word list window gives the pairs back in its own order; the nodes
  // stay the same, so they tell where the pairs went. Null when there is
  // none.
  const WordPair* previousPair = nullptr;
  const WordPair* otherPair = nullptr;
};
