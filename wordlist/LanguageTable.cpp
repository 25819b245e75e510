#include "wordlist/LanguageTable.h"

#include <cstdlib>

LanguageTable::LanguageTable() {
  CText countText;
  countText.load(kCountId);
  int count = std::atoi(countText.c_str());
  for (int i = 0; i < count; ++i) {
    CText name, phrase;
    name.load(kFirstNameId + i);
    phrase.load(kFirstNameId + kPhraseOffset + i);
    names_.push_back(name);
    phrases_.push_back(phrase);
  }
}

int LanguageTable::find(const char* language) const {
  for (int i = 0; i < count(); ++i)
    if (names_[i].compareNoCase(language) == 0) return i;
  return -1;
}
