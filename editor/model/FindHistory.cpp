#include "editor/model/FindHistory.h"

#include "wordlist/Utf8Text.h"

#include <cstddef>

void FindHistory::appendStored(const char* text) {
  if (text && *text && entries_.size() < kMaxEntries) entries_.emplace_back(text);
}

void FindHistory::add(const char* text) {
  for (size_t i = entries_.size(); i-- > 0;)
    if (sameIgnoringCase(entries_[i].c_str(), text ? text : "")) entries_.erase(entries_.begin() + static_cast<long>(i));
  entries_.insert(entries_.begin(), CText(text));
  if (entries_.size() > kMaxEntries) entries_.resize(kMaxEntries);
}
