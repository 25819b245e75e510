// Text files, ANSI and OEM; the first byte chooses the variant and the answer
// to the invalid-line question.
#include "tests/fuzz/FuzzFile.h"
#include "wordlist/TextFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  bool oem = data[0] & 1;
  bool goOn = data[0] & 2;
  WordList list;
  list.fileName = writeFuzzFile("", data + 1, size - 1).c_str();
  if (readText(list, oem, [goOn](const InvalidLine&) { return goOn; }) != FileResult::Ok) return 0;
  for (WordPair* pair = list.pairs.head(); pair; pair = pair->next)
    if (pair->firstWord.empty() || pair->secondWord.empty() || pair->mark != 1) std::abort();
  return 0;
}
