#include "wordlist/LanguageTable.h"

#include "wordlist/Utf8Text.h"

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
    if (sameIgnoringCase(names_[i].c_str(), language ? language : "")) return i;
  return -1;
}
