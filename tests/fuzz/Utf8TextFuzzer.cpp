// Text in any bytes through the UTF-8 conversion: every line keeps its place,
// the lines named as unconvertible are real and in order, text recognised as
// UTF-8 without bad lines converts back to itself, and any code page 1252
// text survives the way to UTF-8 and back.
#include "wordlist/Utf8Text.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

int lineBreaks(const std::string& text) {
  int breaks = 0;
  for (size_t i = 0; i < text.size(); ++i)
    breaks += text[i] == '\r' || (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'));
  return breaks;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  std::vector<int> bad;
  std::string converted = utf8ToCp1252(input.data(), input.size(), &bad);
  if (lineBreaks(converted) != lineBreaks(input)) std::abort();
  for (size_t i = 0; i < bad.size(); ++i)
    if (bad[i] < 1 || bad[i] > lineBreaks(input) + 1 || (i > 0 && bad[i] <= bad[i - 1])) std::abort();
  bool marked = size >= 3 && input.compare(0, 3, "\xEF\xBB\xBF") == 0;
  if (isUtf8Text(input.data(), input.size()) && !marked) {
    if (!bad.empty() && converted.find('?') == std::string::npos) std::abort();
    if (bad.empty() && cp1252ToUtf8(converted.data(), converted.size()) != input) std::abort();
  }
  std::string utf8 = cp1252ToUtf8(input.data(), input.size());
  bad.clear();
  if (utf8ToCp1252(utf8.data(), utf8.size(), &bad) != input || !bad.empty()) std::abort();
  return 0;
}
