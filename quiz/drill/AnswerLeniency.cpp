#include "quiz/drill/AnswerLeniency.h"

#include "wordlist/Utf8Text.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// Edits are counted over at most this many characters of each text, so that
// the count stays cheap for any word.
const size_t kMeasuredCharacters = 256;

// The characters as compared: case folded, and without marks when forgiven.
std::u32string comparable(const char* text, size_t length, const Leniency& leniency) {
  std::string folded = foldCase(std::string(text, length));
  return charactersOf(leniency.withoutAccents ? withoutMarks(folded) : folded);
}

size_t editDistance(const std::u32string& a, const std::u32string& b) {
  size_t aLength = std::min(a.size(), kMeasuredCharacters), bLength = std::min(b.size(), kMeasuredCharacters);
  std::vector<size_t> row(bLength + 1);
  for (size_t j = 0; j <= bLength; ++j) row[j] = j;
  for (size_t i = 1; i <= aLength; ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= bLength; ++j) {
      size_t above = row[j];
      row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[bLength];
}

bool isSpace(char c) { return c == ' '; }

}  // namespace

bool forgives(uint32_t typed, uint32_t expected, const Leniency& leniency) {
  return typed == expected || (leniency.withoutAccents && typed == baseLetter(expected));
}

std::vector<Span> alternativesOf(const char* expected, const Leniency& leniency) {
  size_t length = std::strlen(expected);
  std::vector<Span> pieces;
  if (leniency.alternatives) {
    for (size_t start = 0; start <= length;) {
      size_t end = start;
      while (end < length && expected[end] != ';') ++end;
      size_t first = start, last = end;
      while (first < last && isSpace(expected[first])) ++first;
      while (last > first && isSpace(expected[last - 1])) --last;
      if (last > first) pieces.push_back(Span{first, last - first});
      start = end + 1;
    }
  }
  if (pieces.empty()) pieces.push_back(Span{0, length});
  return pieces;
}

bool acceptsAnswer(const char* typed, const char* expected, const Leniency& leniency) {
  std::u32string typedLow = comparable(typed, std::strlen(typed), Leniency{});
  for (const Span& span : alternativesOf(expected, leniency)) {
    std::u32string expectedLow = comparable(expected + span.start, span.length, Leniency{});
    if (expectedLow.size() != typedLow.size()) continue;
    size_t i = 0;
    while (i < typedLow.size() && forgives(typedLow[i], expectedLow[i], leniency)) ++i;
    if (i == typedLow.size()) return true;
  }
  return false;
}

Span closestAlternative(const char* typed, const char* expected, const Leniency& leniency) {
  std::vector<Span> pieces = alternativesOf(expected, leniency);
  if (pieces.size() == 1) return pieces[0];
  std::u32string typedComparable = comparable(typed, std::strlen(typed), leniency);
  Span closest = pieces[0];
  size_t fewest = static_cast<size_t>(-1);
  for (const Span& span : pieces) {
    size_t edits = editDistance(typedComparable, comparable(expected + span.start, span.length, leniency));
    if (edits < fewest) {
      fewest = edits;
      closest = span;
    }
  }
  return closest;
}
