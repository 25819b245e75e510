#pragma once
// The Find dialog's list of recently searched texts, most recent first, at
// most ten. Window-free.
#include "framework/core/Text.h"

#include <vector>

class FindHistory {
 public:
  enum { kMaxEntries = 10 };

  // Adds a stored entry below the others while there is room; empty texts
  // are skipped.
  void appendStored(const char* text);
  // A search: entries equal to text without regard to case go, text becomes
  // the top entry, and an eleventh entry is dropped.
  void add(const char* text);

  const std::vector<CText>& entries() const { return entries_; }

 private:
  std::vector<CText> entries_;
};
