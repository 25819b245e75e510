#pragma once
// Lenient judging, two options of the drill, both off unless the learner
// turns them on: an answer may leave out the accents of the expected word
// (code page 1252: e for é, O for Ö), and an expected word may offer several
// answers separated by ';' ("colour; color"), any one of which is right.
// The judging ignores case as the drill does; the marking compares the typed
// answer with the closest alternative. Window-free.
#include <cstddef>
#include <vector>

struct Leniency {
  bool withoutAccents = false;
  bool alternatives = false;

  bool any() const { return withoutAccents || alternatives; }
};

// c without its accent (é gives e, Ö gives O, š gives s); other bytes as
// they are. Letters of their own such as æ, ð, þ and ß stay.
char withoutAccent(char c);
// True when typed may stand for expected, exactly as bytes: the same byte,
// or with withoutAccents the expected letter without its accent.
bool forgives(char typed, char expected, const Leniency& leniency);

// A piece of the expected word.
struct Span {
  size_t start = 0;
  size_t length = 0;
};
// With alternatives on, the pieces of expected between ';' with the spaces
// around them taken off, empty pieces left out; otherwise, or when nothing is
// left, the whole of expected.
std::vector<Span> alternativesOf(const char* expected, const Leniency& leniency);
// True when typed is one of expected's alternatives, case ignored (the
// system's lower-casing), a typed letter without the accent of the expected
// one accepted with withoutAccents.
bool acceptsAnswer(const char* typed, const char* expected, const Leniency& leniency);
// The alternative of expected with the fewest edits from typed (case
// ignored, accents too with withoutAccents); the first of equals.
Span closestAlternative(const char* typed, const char* expected, const Leniency& leniency);
