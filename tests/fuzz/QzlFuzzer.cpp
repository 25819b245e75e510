// Older ".qzl" files.
#include "tests/fuzz/FuzzFile.h"
#include "wordlist/WordFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;  // the field reader reads byte by byte
  std::string path = writeFuzzFile("\"Wdl11", data, size);
  WordList list;
  open(list, path.c_str(), kFormatNone, [](const InvalidLine&) { return true; });
  FileInfo info;
  readSummary(path.c_str(), &info);
  return 0;
}
