// Text from the clipboard, read only within its block: every pasted pair has
// two non-empty words without reserved bytes, and text that the Paste button
// accepts pastes a pair for every line ended by a line break that holds two
// words.
#include "editor/model/ClipboardText.h"
#include "wordlist/WordBytes.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<char> text(data, data + size);  // no 0 byte after it
  readClipboardText(text.data(), text.size(), [](const std::string& first, const std::string& second) {
    if (first.empty() || second.empty()) std::abort();
    for (char c : first + second)
      if (isReservedWordByte(c)) std::abort();
    return true;
  });
  isPastableText(text.data(), text.size());
  return 0;
}
