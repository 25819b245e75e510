#include "quiz/drill/TestDraw.h"

#include <new>

namespace {

const int kNarrowRange = 32768;

}  // namespace

bool TestDraw::prepare(int pairCount) {
  pool_.reset(new (std::nothrow) int[pairCount > 0 ? pairCount : 1]);
  pairCount_ = pool_ ? pairCount : 0;
  return pool_ != nullptr;
}

void TestDraw::draw(RandomSource& random, int count, int* ids) {
  for (int id = 0; id < pairCount_; ++id) pool_[id] = id;
  for (int i = 0; i < count; ++i) {
    DWORD range = static_cast<DWORD>(pairCount_ - i);
    DWORD value = range <= kNarrowRange ? static_cast<DWORD>(random.draw()) : random.drawWide();
    int chosen = i + static_cast<int>(value % range);
    ids[i] = pool_[chosen];
    pool_[chosen] = pool_[i];
  }
}
