// Marks two answers taken from the input (split at the first 0 byte, with
// and without colours, leniently or not, in either program encoding) and
// checks that the characters of both lines are the labels and the two texts,
// whatever the codes in between.
#include "framework/core/RichText.h"
#include "quiz/drill/AnswerMarker.h"
#include "wordlist/TextEncoding.h"

#include <cstdlib>
#include <string>

namespace {

// Bytes 0 to 3 cannot stand in a typed answer or a word.
std::string printable(const uint8_t* data, size_t size) {
  std::string text;
  for (size_t i = 0; i < size; ++i)
    if (data[i] > 3) text.push_back(static_cast<char>(data[i]));
  return text;
}

std::string plainOf(const CText& line) {
  CRichText rich;
  rich.assign(line.c_str());
  return rich.plain();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  size_t split = 0;
  while (split < size && data[split]) ++split;
  std::string typed = printable(data, split);
  std::string right = split < size ? printable(data + split + 1, size - split - 1) : std::string();
  Settings settings;
  settings.fontHandle = reinterpret_cast<HFONT>(static_cast<uintptr_t>(0x00010203));
  for (TextEncoding encoding : {TextEncoding::kCp1252, TextEncoding::kUtf8}) {
    setProgramEncoding(encoding);
    settings.leniency.withoutAccents = encoding == TextEncoding::kUtf8;
    for (DWORD status : {static_cast<DWORD>(Settings::kUseColors), 0u}) {
      settings.Status = status;
      AnswerMarker marker(settings);
      CText rightLine, yourLine;
      marker.build(typed.c_str(), right.c_str(), nullptr, &rightLine, &yourLine);
      if (plainOf(yourLine) != "Your Answer: " + typed) std::abort();
      if (plainOf(rightLine) != "Right Answer: " + right) std::abort();
    }
  }
  return 0;
}
