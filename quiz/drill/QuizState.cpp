#include "quiz/drill/QuizState.h"

#include <cstring>
#include <new>

QuizState::~QuizState() = default;

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
  order.reset();
  count = 0;
  if (newCount <= 0) return true;
  order.reset(new (std::nothrow) int[newCount]);
  if (!order) return false;
  count = newCount;
  return true;
}

void QuizState::removeOrderEntry(int index) {
  if (index < 0 || index >= count) return;
  std::memmove(order.get() + index, order.get() + index + 1, static_cast<size_t>(count - index - 1) * sizeof(int));
  --count;
}
