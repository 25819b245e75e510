// Word files: open, and on success save and open again, which must give the
// same pairs.
#include "tests/fuzz/FuzzFile.h"
#include "wordlist/WordFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string path = writeFuzzFile(std::string("\xFE\xFE" "97WDL\x12", 8), data, size);
  WordList list;
  if (open(list, path.c_str(), kFormatNone, [](const InvalidLine&) { return true; }) != FileResult::Ok) return 0;
  FileInfo info;
  readSummary(path.c_str(), &info);
  if (save(list) != FileResult::Ok) std::abort();
  WordList again;
  if (open(again, path.c_str(), kFormatNone, [](const InvalidLine&) { return true; }) != FileResult::Ok) std::abort();
  if (again.pairs.count() != list.pairs.count() || again.author.compare(list.author.c_str()) != 0) std::abort();
  return 0;
}
