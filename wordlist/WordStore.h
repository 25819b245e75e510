#pragma once
// CWordStore: the memory of a pair list's words and pair records, kept in large
// blocks that the store owns and frees together. A list of a million pairs is
// then a few hundred blocks instead of three million small heap blocks.
// Nothing is freed one by one: a word replaced or a pair dropped keeps its
// bytes until the store is cleared.
#include <cstddef>
#include <memory>
#include <vector>

class CWordStore {
 public:
  CWordStore() = default;
  CWordStore(const CWordStore&) = delete;
  CWordStore& operator=(const CWordStore&) = delete;

  // size bytes aligned to align (a power of two), or null when memory cannot
  // be had.
  void* allocate(size_t size, size_t align);
  // A copy of the first length bytes of text with a 0 after them, or null.
  const char* copy(const char* text, size_t length);
  // Keeps block (for example a whole file read into memory, whose words are
  // then used in place) until the store is cleared. False when memory for the
  // bookkeeping cannot be had; the block is freed then.
  bool adopt(std::unique_ptr<char[]> block);

  void clear();
  void swap(CWordStore& other) noexcept;

 private:
  bool addBlock(size_t size);

  std::vector<std::unique_ptr<char[]>> blocks_;
  char* free_ = nullptr;  // the unused end of the newest allocated block
  size_t freeSize_ = 0;
};
