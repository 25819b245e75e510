#pragma once
// AnswerMarker: builds the "Right Answer:" and "Your Answer:" lines shown
// after a check, as texts for the three-dimensional static control (byte 1 +
// red, green, blue: text colour; byte 2 + red, green, blue: background;
// byte 3 + a 4-byte font handle: font). With "Use Colors" on, the two texts
// are aligned character by character (wordlist/Utf8Text.h) with a
// look-ahead of two characters and every difference is coloured. With lenient judging on (quiz/AnswerLeniency.h) the typed text is
// aligned with the closest alternative of the expected word, the others drawn
// grey, and a letter typed without its accent is drawn in the right-answer
// colour on both lines. The lines may hold 0 bytes inside codes; their
// length() counts every byte. They grow with the answers: any length is safe.
#include "framework/core/Text.h"
#include "quiz/drill/Settings.h"

class AnswerMarker {
 public:
  // Reads the colours, the flags and the font handle from settings at each
  // build, and the labels from the string table now.
  explicit AnswerMarker(const Settings& settings);

  // typed: the answer as typed; right: the answer word of the pair asked;
  // other: the answer word of the pair the answer matched when the result
  // was RightByOtherPair, else null. Both lines are replaced.
  void build(const char* typed, const char* right, const char* other, CText* rightLine,
             CText* yourLine) const;

 private:
  void buildPlain(const char* typed, const char* right, const char* other, CText* rightLine,
                  CText* yourLine) const;
  void buildColored(const char* typed, const char* right, const char* other, CText* rightLine,
                    CText* yourLine) const;

  const Settings& settings_;
  CText rightLabel_;
  CText yourLabel_;
};
