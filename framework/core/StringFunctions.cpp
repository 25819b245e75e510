#include "framework/core/StringFunctions.h"

#include "framework/core/ErrorRecorder.h"
#include "framework/core/Win32.h"

#include <cstdlib>
#include <cstring>

namespace {

enum class SegmentMatch { None, ToEnd, ToStar, StarAtTextEnd };

// Compares the pattern segment starting at pattern with the text at text.
SegmentMatch matchSegment(const char* text, const char* pattern, int* consumed) {
  int i = 0;
  for (; pattern[i] && pattern[i] != '*'; ++i) {
    if (!text[i]) return SegmentMatch::None;
    if (pattern[i] != '?' && pattern[i] != text[i]) return SegmentMatch::None;
  }
  if (!pattern[i]) return SegmentMatch::ToEnd;
  if (!text[i]) return SegmentMatch::StarAtTextEnd;
  *consumed = i;
  return SegmentMatch::ToStar;
}

}  // namespace

int compareNoCase(const char* a, const char* b) {
  char* left = strdup(a ? a : "");
  char* right = strdup(b ? b : "");
  int result = 0;
  if (!left || !right) {
    ErrorRecorder::record(2);
  } else {
    CharLowerA(left);
    CharLowerA(right);
    int difference = std::strcmp(left, right);
    result = difference < 0 ? -1 : difference > 0 ? 1 : 0;
  }
  std::free(left);
  std::free(right);
  return result;
}

bool patternFound(const char* text, const char* pattern) {
  for (;;) {
    bool advanced = false;
    for (int start = 0; !advanced; ++start) {
      int consumed = 0;
      switch (matchSegment(text + start, pattern, &consumed)) {
        case SegmentMatch::ToEnd: return true;
        case SegmentMatch::StarAtTextEnd: return false;
        case SegmentMatch::ToStar:
          pattern += consumed + 1;
          text += start + consumed + 1;
          advanced = true;
          break;
        case SegmentMatch::None:
          if (!text[start]) return false;
          break;
      }
    }
  }
}

int findChar(const char* text, char c) {
  const char* hit = c ? std::strchr(text, c) : nullptr;
  return hit ? static_cast<int>(hit - text) : -1;
}

int findLastChar(const char* text, char c) {
  const char* hit = c ? std::strrchr(text, c) : nullptr;
  return hit ? static_cast<int>(hit - text) : -1;
}

int findCharAfter(const char* text, char c, int position) {
  int length = static_cast<int>(std::strlen(text));
  if (position + 1 >= length) return -1;
  int hit = findChar(text + position + 1, c);
  return hit < 0 ? -1 : hit + position + 1;
}

void copyBounded(char* destination, const char* source, int count) {
  int i = 0;
  for (; i < count && source[i]; ++i) destination[i] = source[i];
  destination[i] = 0;
}

void fillBytes(void* destination, unsigned char value, unsigned count) {
  std::memset(destination, value, count);
}

void moveBytes(void* destination, const void* source, unsigned count) {
  std::memmove(destination, source, count);
}
