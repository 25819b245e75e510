#include "quiz/QuizState.h"

#include <cstdlib>
#include <cstring>

QuizState::~QuizState() { std::free(order); }

void QuizState::reset() {
  answeredCount = -1;
  rightCount = 0;
  lastResult = NoAnswer;
  position = 0;
  count = 0;
  currentId = 0;
  previousId = 0;
  lastAnswer.clear();
  previousPair = otherPair = nullptr;
}

bool QuizState::allocateOrder(int newCount) {
  std::free(order);
  order = nullptr;
  count = 0;
  if (newCount <= 0) return true;
  order = static_cast<int*>(std::malloc(static_cast<size_t>(newCount) * sizeof(int)));
  if (!order) return false;
  count = newCount;
  return true;
}

void QuizState::removeOrderEntry(int index) {
  if (index < 0 || index >= count) return;
  std::memmove(order + index, order + index + 1, static_cast<size_t>(count - index - 1) * sizeof(int));
  --count;
}
