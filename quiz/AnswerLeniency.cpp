#include "quiz/AnswerLeniency.h"

#include "framework/Text.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// Each byte from 0xC0 on, and the five letters below it, without its accent.
const char kPlainLetters[] = "AAAAAA\xC6" "CEEEEIIII\xD0" "NOOOOO\xD7" "OUUUUY\xDE\xDF"
                             "aaaaaa\xE6" "ceeeeiiii\xF0" "nooooo\xF7" "ouuuuy\xFEy";
// Edits are counted over at most this many bytes of each text, so that the
// count stays cheap for any word.
const size_t kMeasuredBytes = 256;

// The text as compared: lower-cased, and without accents when forgiven.
std::string comparable(const char* text, size_t length, const Leniency& leniency) {
  CText lowered(text, static_cast<int>(length));
  lowered.lower();
  std::string result(lowered.c_str(), lowered.length());
  if (leniency.withoutAccents)
    for (char& c : result) c = withoutAccent(c);
  return result;
}

size_t editDistance(const std::string& a, const std::string& b) {
  size_t aLength = std::min(a.size(), kMeasuredBytes), bLength = std::min(b.size(), kMeasuredBytes);
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

char withoutAccent(char c) {
  unsigned char byte = static_cast<unsigned char>(c);
  switch (byte) {
    case 0x8A: return 'S';
    case 0x8E: return 'Z';
    case 0x9A: return 's';
    case 0x9E: return 'z';
    case 0x9F: return 'Y';
    default: return byte >= 0xC0 ? kPlainLetters[byte - 0xC0] : c;
  }
}

bool forgives(char typed, char expected, const Leniency& leniency) {
  return typed == expected || (leniency.withoutAccents && typed == withoutAccent(expected));
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
  std::string typedLow = comparable(typed, std::strlen(typed), Leniency{});
  for (const Span& span : alternativesOf(expected, leniency)) {
    std::string expectedLow = comparable(expected + span.start, span.length, Leniency{});
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
  std::string typedComparable = comparable(typed, std::strlen(typed), leniency);
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
