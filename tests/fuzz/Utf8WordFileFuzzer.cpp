// Word files in UTF-8, read where the program's strings are UTF-8 and where
// they are code page 1252. Where they are UTF-8, a list that opens saves and
// opens again with the same words, byte for byte, in code page 1252 when
// every text fits it; where they are code page 1252 the same file opens too,
// with as many pairs, and loses characters only when some word has one that
// the code page lacks.
#include "tests/fuzz/FuzzFile.h"
#include "wordlist/TextEncoding.h"
#include "wordlist/Utf8Text.h"
#include "wordlist/WordFile.h"
#include "wordlist/WordFileLayout.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const InvalidLineQuestion kSkip = [](const InvalidLine&) { return true; };

bool sameWords(const WordList& one, const WordList& other) {
  if (one.pairs.count() != other.pairs.count() || one.author != other.author.c_str()) return false;
  for (WordPair *a = one.pairs.head(), *b = other.pairs.head(); a; a = a->next, b = b->next)
    if (a->firstWord != b->firstWord.c_str() || a->secondWord != b->secondWord.c_str() || a->mark != b->mark)
      return false;
  return true;
}

bool fitsEverywhere(const WordList& list) {
  bool fits = fitsCp1252(list.firstLanguage.c_str()) && fitsCp1252(list.secondLanguage.c_str()) &&
              fitsCp1252(list.author.c_str()) && fitsCp1252(list.information.c_str());
  for (WordPair* pair = list.pairs.head(); pair && fits; pair = pair->next)
    fits = fitsCp1252(pair->firstWord.c_str()) && fitsCp1252(pair->secondWord.c_str());
  return fits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string path = writeFuzzFile(std::string(kUtf8WordFileFixedBytes, sizeof kUtf8WordFileFixedBytes), data, size);
  setProgramEncoding(TextEncoding::kUtf8);
  WordList list;
  if (open(list, path.c_str(), kFormatNone, kSkip) != FileResult::Ok) return 0;
  if (list.charactersLost) std::abort();
  bool fits = fitsEverywhere(list);

  setProgramEncoding(TextEncoding::kCp1252);
  WordList shown;
  if (open(shown, path.c_str(), kFormatNone, kSkip) != FileResult::Ok) std::abort();
  if (shown.pairs.count() != list.pairs.count() || shown.charactersLost == fits) std::abort();

  setProgramEncoding(TextEncoding::kUtf8);
  if (save(list) != FileResult::Ok) std::abort();
  char first[8] = {};
  FILE* file = std::fopen(path.c_str(), "rb");
  size_t got = std::fread(first, 1, sizeof first, file);
  std::fclose(file);
  TextEncoding written;
  if (got != sizeof first || !isWordFileStart(first, &written) || (written == TextEncoding::kCp1252) != fits)
    std::abort();
  WordList again;
  if (open(again, path.c_str(), kFormatNone, kSkip) != FileResult::Ok || !sameWords(list, again)) std::abort();
  return 0;
}
