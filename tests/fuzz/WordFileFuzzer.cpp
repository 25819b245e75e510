// Word files: open, and on success save and open again, which must give the
// same pairs. Where the program's texts are UTF-8 another reader converts the
// same file: it must take exactly the files the other takes, with the same
// words converted.
#include "tests/fuzz/FuzzFile.h"
#include "wordlist/TextEncoding.h"
#include "wordlist/Utf8Text.h"
#include "wordlist/WordFile.h"

#include <cstdlib>

namespace {

FileResult openIn(TextEncoding encoding, const std::string& path, WordList* list) {
  setProgramEncoding(encoding);
  return open(*list, path.c_str(), kFormatNone, [](const InvalidLine&) { return true; });
}

bool sameWords(const PairWord& cp1252, const PairWord& utf8) {
  return cp1252ToUtf8(cp1252.c_str(), cp1252.length()) == std::string(utf8.c_str(), utf8.length());
}

void checkConverted(const WordList& list, const WordList& converted) {
  if (converted.pairs.count() != list.pairs.count()) std::abort();
  for (WordPair *pair = list.pairs.head(), *other = converted.pairs.head(); pair; pair = pair->next, other = other->next)
    if (!sameWords(pair->firstWord, other->firstWord) || !sameWords(pair->secondWord, other->secondWord) ||
        pair->mark != other->mark || (pair->history == nullptr) != (other->history == nullptr))
      std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string path = writeFuzzFile(std::string("\xFE\xFE" "97WDL\x12", 8), data, size);
  WordList list, converted;
  FileResult result = openIn(TextEncoding::kCp1252, path, &list);
  if (openIn(TextEncoding::kUtf8, path, &converted) != result) std::abort();
  if (result != FileResult::Ok) return 0;
  checkConverted(list, converted);
  setProgramEncoding(TextEncoding::kCp1252);
  FileInfo info;
  readSummary(path.c_str(), &info);
  if (save(list) != FileResult::Ok) std::abort();
  WordList again;
  if (openIn(TextEncoding::kCp1252, path, &again) != FileResult::Ok) std::abort();
  if (again.pairs.count() != list.pairs.count() || again.author.compare(list.author.c_str()) != 0) std::abort();
  return 0;
}
