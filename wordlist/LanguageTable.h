#pragma once
// The languages offered by the dialogs and named in questions: string 20000
// holds their count, names follow from 20001 and each name's question phrase
// ("in Finnish") stands 30 ids higher.
#include "framework/core/Text.h"

#include <vector>

class LanguageTable {
 public:
  enum : UINT { kCountId = 20000, kFirstNameId = 20001, kPhraseOffset = 30 };

  // Reads the count and exactly that many names and phrases from the string
  // resources.
  LanguageTable();

  int count() const { return static_cast<int>(names_.size()); }
  const CText& name(int index) const { return names_[index]; }
  const CText& phrase(int index) const { return phrases_[index]; }
  // Index of the name equal to language without regard to case, or -1.
  int find(const char* language) const;

 private:
  std::vector<CText> names_;
  std::vector<CText> phrases_;
};
