#include "wordlist/WordStore.h"

#include <cstdint>
#include <cstring>
#include <new>

namespace {

const size_t kBlockSize = 256 * 1024;

}  // namespace

bool CWordStore::addBlock(size_t size) {
  std::unique_ptr<char[]> block(new (std::nothrow) char[size]);
  if (!block) return false;
  try {
    blocks_.push_back(std::move(block));
  } catch (const std::bad_alloc&) {
    return false;
  }
  free_ = blocks_.back().get();
  freeSize_ = size;
  return true;
}

void* CWordStore::allocate(size_t size, size_t align) {
  size_t padding = (align - reinterpret_cast<uintptr_t>(free_) % align) % align;
  if (!free_ || padding + size > freeSize_) {
    // A request too large for a shared block gets a block of its own, so that
    // the rest of the current block stays in use.
    if (size + align > kBlockSize / 4) {
      char* current = free_;
      size_t currentSize = freeSize_;
      if (!addBlock(size + align)) return nullptr;
      char* own = free_;
      free_ = current;
      freeSize_ = currentSize;
      return own + (align - reinterpret_cast<uintptr_t>(own) % align) % align;
    }
    if (!addBlock(kBlockSize)) return nullptr;
    padding = (align - reinterpret_cast<uintptr_t>(free_) % align) % align;
  }
  char* result = free_ + padding;
  free_ += padding + size;
  freeSize_ -= padding + size;
  return result;
}

const char* CWordStore::copy(const char* text, size_t length) {
  char* result = static_cast<char*>(allocate(length + 1, 1));
  if (!result) return nullptr;
  if (length) std::memcpy(result, text, length);
  result[length] = 0;
  return result;
}

bool CWordStore::adopt(std::unique_ptr<char[]> block) {
  try {
    // The adopted block goes before the newest block, which keeps serving
    // allocations.
    blocks_.insert(blocks_.begin(), std::move(block));
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

void CWordStore::clear() {
  blocks_.clear();
  free_ = nullptr;
  freeSize_ = 0;
}

void CWordStore::swap(CWordStore& other) noexcept {
  blocks_.swap(other.blocks_);
  std::swap(free_, other.free_);
  std::swap(freeSize_, other.freeSize_);
}
