#include "quiz/drill/AnswerMarker.h"

#include "framework/core/RichText.h"
#include "quiz/drill/RichTextCodes.h"
#include "resources/QuizResourceIds.h"
#include "wordlist/TextEncoding.h"
#include "wordlist/Utf8Codec.h"

#include <cstring>

namespace {

const COLORREF kSpaceBackground = RGB(192, 192, 192);
// The alternatives of the expected word that the typed answer was not
// compared with.
const COLORREF kSetAsideColor = RGB(128, 128, 128);
const unsigned kCodeSize = 4;        // a code byte and its three colour bytes
const unsigned kMarkedCharSize = 9;  // change, character, reset
const char* const kOtherSeparator = " / ";

// A text read a character at a time in the program's encoding, at byte
// positions, without copying it. A byte that begins no well-formed UTF-8
// sequence is a character of its own, unequal to every other. The end of the
// text is -1: equal to the end of the other text, to no character.
class Characters {
 public:
  Characters(const char* text, size_t length)
      : text_(reinterpret_cast<const unsigned char*>(text)), length_(length),
        utf8_(programEncoding() == TextEncoding::kUtf8) {}

  size_t length() const { return length_; }
  size_t next(size_t at) const {
    if (at >= length_) return length_;
    if (!utf8_ || text_[at] < 0x80) return at + 1;
    size_t size;
    decodeUtf8(text_ + at, length_ - at, &size);
    return at + (size ? size : 1);
  }
  int64_t at(size_t position) const {
    if (position >= length_) return -1;
    if (!utf8_) return cp1252Character(text_[position]);
    size_t size;
    uint32_t character = decodeUtf8(text_ + position, length_ - position, &size);
    return size ? character : kStrayByte + text_[position];
  }
  const char* bytes(size_t position) const { return reinterpret_cast<const char*>(text_) + position; }

 private:
  static const int64_t kStrayByte = 0x110000;

  const unsigned char* text_;
  size_t length_;
  bool utf8_;
};

void appendSetAside(CText* line, const char* text, size_t length) {
  if (length == 0) return;
  appendColorCode(line, kTextColorCode, kSetAsideColor);
  for (size_t i = 0; i < length; ++i) line->append(text[i]);
}

void reserve(CText* line, unsigned bytes) { line->getBuffer(static_cast<int>(bytes), true); }

void appendBytes(CText* line, const char* text, unsigned count) {
  for (unsigned i = 0; i < count; ++i) line->append(text[i]);
}

// Walks typed and right side by side, a character at a time, and appends
// both marked texts.
class Alignment {
 public:
  // right: rightLength bytes, the part of the expected word compared.
  Alignment(const Settings& settings, const char* typed, const char* right, unsigned rightLength)
      : settings_(settings), typed_(typed, std::strlen(typed)), right_(right, rightLength) {}

  // The bytes of the longer text: an upper bound of the marked characters.
  unsigned longest() const {
    return static_cast<unsigned>(typed_.length() > right_.length() ? typed_.length() : right_.length());
  }

  void mark(CText* rightLine, CText* yourLine) {
    size_t u = 0, r = 0;
    for (;;) {
      if (r >= right_.length()) {
        appendColorCode(yourLine, kTextColorCode, settings_.ExtraColor);
        appendBytes(yourLine, typed_.bytes(u), static_cast<unsigned>(typed_.length() - u));
        return;
      }
      if (u >= typed_.length()) {
        appendColorCode(rightLine, kTextColorCode, settings_.ExtraColor);
        appendBytes(rightLine, right_.bytes(r), static_cast<unsigned>(right_.length() - r));
        return;
      }
      size_t u1 = typed_.next(u), r1 = right_.next(r);
      int64_t typedHere = typed_.at(u), rightHere = right_.at(r);
      if (typedHere == rightHere) {
        appendPlain(yourLine, typed_, u, u1);
        appendPlain(rightLine, right_, r, r1);
        u = u1, r = r1;
      } else if (forgives(static_cast<uint32_t>(typedHere), static_cast<uint32_t>(rightHere), settings_.leniency)) {
        appendColored(yourLine, typed_, u, u1, settings_.RightColor);
        appendColored(rightLine, right_, r, r1, settings_.RightColor);
        u = u1, r = r1;
      } else if (rightHere == typed_.at(u1) && right_.at(r1) == typed_.at(typed_.next(u1))) {
        appendMissing(yourLine, typed_, u, u1);
        u = u1;
      } else if (right_.at(r1) == typedHere && right_.at(right_.next(r1)) == typed_.at(u1)) {
        appendMissing(rightLine, right_, r, r1);
        r = r1;
      } else {
        appendColored(yourLine, typed_, u, u1, settings_.DiffColor);
        appendColored(rightLine, right_, r, r1, settings_.DiffColor);
        u = u1, r = r1;
      }
    }
  }

 private:
  static void appendPlain(CText* line, const Characters& text, size_t from, size_t to) {
    appendBytes(line, text.bytes(from), static_cast<unsigned>(to - from));
  }

  // A space shows its colour as background, which then returns to grey.
  void appendMissing(CText* line, const Characters& text, size_t from, size_t to) const {
    if (text.at(from) == ' ') {
      appendColorCode(line, kBackgroundCode, settings_.MissingColor);
      line->append(' ');
      appendColorCode(line, kBackgroundCode, kSpaceBackground);
    } else {
      appendColored(line, text, from, to, settings_.MissingColor);
    }
  }

  // One character in colour, then the base colour again; RightColor for a
  // letter typed without its accent, where that is accepted.
  void appendColored(CText* line, const Characters& text, size_t from, size_t to, COLORREF color) const {
    appendColorCode(line, kTextColorCode, color);
    appendPlain(line, text, from, to);
    appendColorCode(line, kTextColorCode, settings_.BaseColor);
  }

  const Settings& settings_;
  Characters typed_;
  Characters right_;
};

}  // namespace

AnswerMarker::AnswerMarker(const Settings& settings) : settings_(settings) {
  rightLabel_.load(QuizString::kRightLabel);
  yourLabel_.load(QuizString::kYourLabel);
}

void AnswerMarker::build(const char* typed, const char* right, const char* other, CText* rightLine,
                         CText* yourLine) const {
  rightLine->clear();
  yourLine->clear();
  // The lines are in-line coded texts: words must not carry code bytes.
  std::string shownTyped = CRichText::shown(typed), shownRight = CRichText::shown(right);
  std::string shownOther = CRichText::shown(other);
  const char* otherText = other ? shownOther.c_str() : nullptr;
  if (settings_.statusOn(Settings::kUseColors))
    buildColored(shownTyped.c_str(), shownRight.c_str(), otherText, rightLine, yourLine);
  else
    buildPlain(shownTyped.c_str(), shownRight.c_str(), otherText, rightLine, yourLine);
}

void AnswerMarker::buildPlain(const char* typed, const char* right, const char* other, CText* rightLine,
                              CText* yourLine) const {
  yourLine->append(yourLabel_);
  appendFontCode(yourLine, settings_.fontHandle);
  yourLine->append(typed);
  rightLine->append(rightLabel_);
  appendFontCode(rightLine, settings_.fontHandle);
  rightLine->append(right);
  if (other) {
    rightLine->append(kOtherSeparator);
    rightLine->append(other);
  }
}

void AnswerMarker::buildColored(const char* typed, const char* right, const char* other, CText* rightLine,
                                CText* yourLine) const {
  // The marking compares with the other pair's answer, shown after the
  // unmarked answer of the pair asked, and within it with the alternative
  // closest to the typed answer.
  const char* marked = other ? other : right;
  Span compared = closestAlternative(typed, marked, settings_.leniency);
  Alignment alignment(settings_, typed, marked + compared.start, static_cast<unsigned>(compared.length));
  unsigned body = 2 * kCodeSize + 1 + kMarkedCharSize * alignment.longest() + kCodeSize;
  reserve(yourLine, yourLabel_.length() + body);
  reserve(rightLine, rightLabel_.length() + static_cast<unsigned>(std::strlen(right)) + 3 + body);

  yourLine->append(yourLabel_);
  rightLine->append(rightLabel_);
  if (other) {
    rightLine->append(right);
    rightLine->append(kOtherSeparator);
  }
  appendColorCode(yourLine, kTextColorCode, settings_.BaseColor);
  appendFontCode(yourLine, settings_.fontHandle);
  appendColorCode(rightLine, kTextColorCode, settings_.BaseColor);
  appendFontCode(rightLine, settings_.fontHandle);
  if (compared.start > 0) {
    appendSetAside(rightLine, marked, compared.start);
    appendColorCode(rightLine, kTextColorCode, settings_.BaseColor);
  }
  alignment.mark(rightLine, yourLine);
  size_t after = compared.start + compared.length;
  appendSetAside(rightLine, marked + after, std::strlen(marked) - after);
}
