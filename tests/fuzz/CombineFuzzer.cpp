// Combining a word file with itself, in both orders: for a file that the word
// file reader takes, combining succeeds exactly when the file has its end
// marker, and the result opens with every pair twice, the second time with
// its words exchanged when the order is reversed.
#include "tests/fuzz/FuzzFile.h"
#include "wordlist/FileCombiner.h"

#include <cstdlib>
#include <cstring>

namespace {

const InvalidLineQuestion kSkip = [](const InvalidLine&) { return true; };

bool samePair(const WordPair* pair, const WordPair* copy, WordOrder order) {
  const PairWord& first = order == WordOrder::Same ? copy->firstWord : copy->secondWord;
  const PairWord& second = order == WordOrder::Same ? copy->secondWord : copy->firstWord;
  return first == pair->firstWord.c_str() && second == pair->secondWord.c_str() && copy->mark == pair->mark;
}

void combineWithItself(const std::string& path, const WordList& source, bool hasEndMarker, WordOrder order) {
  std::string result = path + ".combined";
  FileInfo header;
  header.firstLanguage = "E";
  CombineResult combined = combineWordFiles(path.c_str(), path.c_str(), result.c_str(), header, order);
  if ((combined == CombineResult::Ok) != hasEndMarker) std::abort();
  if (combined != CombineResult::Ok) return;
  WordList list;
  if (open(list, result.c_str(), kFormatNone, kSkip) != FileResult::Ok) std::abort();
  if (list.pairs.count() != 2 * source.pairs.count()) std::abort();
  const WordPair* copy = list.pairs.head();
  for (const WordPair* pair = source.pairs.head(); pair; pair = pair->next, copy = copy->next)
    if (!samePair(pair, copy, WordOrder::Same)) std::abort();
  for (const WordPair* pair = source.pairs.head(); pair; pair = pair->next, copy = copy->next)
    if (!samePair(pair, copy, order)) std::abort();
  std::remove(result.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string path = writeFuzzFile(std::string("\xFE\xFE" "97WDL\x12", 8), data, size);
  WordList source;
  if (open(source, path.c_str(), kFormatNone, kSkip) != FileResult::Ok) return 0;
  // In a file the reader takes, every 0x02 is the end marker or after it.
  bool hasEndMarker = size > 0 && std::memchr(data, 0x02, size) != nullptr;
  combineWithItself(path, source, hasEndMarker, WordOrder::Same);
  combineWithItself(path, source, hasEndMarker, WordOrder::Reversed);
  return 0;
}
