#include "wordlist/WordList.h"

#include "resources/QuizResourceIds.h"

void WordList::reset(bool forgetFile) {
  pairs.clear();
  historyChanged = false;
  charactersLost = false;
  firstLanguage.clear();
  secondLanguage.clear();
  author.clear();
  information.load(QuizString::kMade);
  char date[81];
  if (GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date) > 0)
    information.append(date);
  if (forgetFile) {
    fileName.clear();
    format = kFormatNone;
  }
}

void WordList::take(WordList& other) {
  fileName.swap(other.fileName);
  firstLanguage.swap(other.firstLanguage);
  secondLanguage.swap(other.secondLanguage);
  information.swap(other.information);
  author.swap(other.author);
  int otherFormat = other.format;
  other.format = format;
  format = otherFormat;
  pairs.takeFrom(other.pairs);
  historyChanged = other.historyChanged;
  other.historyChanged = false;
  charactersLost = other.charactersLost;
  other.charactersLost = false;
}
