#pragma once
// The draw of a word test: count different pair ids out of pairCount, in
// random order. A partial shuffle takes one draw per id, so it ends for any
// count up to pairCount and reaches every pair of a list of any size: wide
// draws serve ranges that one draw of the random source cannot reach.
#include "quiz/drill/RandomSource.h"

#include <memory>

class TestDraw {
 public:
  // Room for drawing out of pairCount pairs; false when memory cannot be had.
  bool prepare(int pairCount);
  // Fills ids (count entries, count at most the prepared pair count) from
  // random, which the caller has seeded.
  void draw(RandomSource& random, int count, int* ids);

 private:
  std::unique_ptr<int[]> pool_;
  int pairCount_ = 0;
};
