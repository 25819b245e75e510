#pragma once
// Lenient judging, two options of the drill, both off unless the learner
// turns them on: an answer may leave out the accents and other marks of the
// expected word's letters (e for é, O for Ö, ε for έ, и for й; see
// withoutMarks in wordlist/Utf8Text.h), and an expected word may offer
// several answers separated by ';' ("colour; color"), any one of which is
// right. The judging ignores case as the drill does, and compares
// characters of the program's encoding; the marking compares the typed
// answer with the closest alternative. Window-free.
#include <cstddef>
#include <cstdint>
#include <vector>

struct Leniency {
  bool withoutAccents = false;
  bool alternatives = false;

  bool any() const { return withoutAccents || alternatives; }
};

// True when the character typed may stand for the character expected: the
// same character, or with withoutAccents the expected letter without its
// marks. Letters of their own such as æ, ð, þ and ß stay.
bool forgives(uint32_t typed, uint32_t expected, const Leniency& leniency);

// A piece of the expected word, in bytes.
struct Span {
  size_t start = 0;
  size_t length = 0;
};
// With alternatives on, the pieces of expected between ';' with the spaces
// around them taken off, empty pieces left out; otherwise, or when nothing is
// left, the whole of expected.
std::vector<Span> alternativesOf(const char* expected, const Leniency& leniency);
// True when typed is one of expected's alternatives, case ignored (as
// foldCase in wordlist/Utf8Text.h), a typed letter without the marks of the
// expected one accepted with withoutAccents.
bool acceptsAnswer(const char* typed, const char* expected, const Leniency& leniency);
// The alternative of expected with the fewest edits from typed (case
// ignored, accents too with withoutAccents); the first of equals.
Span closestAlternative(const char* typed, const char* expected, const Leniency& leniency);
