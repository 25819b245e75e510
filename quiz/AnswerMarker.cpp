#include "quiz/AnswerMarker.h"

#include "framework/RichText.h"
#include "quiz/DrillStrings.h"
#include "quiz/RichTextCodes.h"

#include <cstring>

namespace {

const COLORREF kSpaceBackground = RGB(192, 192, 192);
// The alternatives of the expected word that the typed answer was not
// compared with.
const COLORREF kSetAsideColor = RGB(128, 128, 128);
const unsigned kCodeSize = 4;        // a code byte and its three colour bytes
const unsigned kMarkedCharSize = 9;  // change, character, reset
const char* const kOtherSeparator = " / ";

// The end of a text is -1: equal to the end of the other text, to no character.
int byteAt(const char* text, unsigned length, unsigned index) {
  return index < length ? static_cast<unsigned char>(text[index]) : -1;
}

void appendSetAside(CText* line, const char* text, size_t length) {
  if (length == 0) return;
  appendColorCode(line, kTextColorCode, kSetAsideColor);
  for (size_t i = 0; i < length; ++i) line->append(text[i]);
}

void reserve(CText* line, unsigned bytes) { line->getBuffer(static_cast<int>(bytes), true); }

void appendBytes(CText* line, const char* text, unsigned count) {
  for (unsigned i = 0; i < count; ++i) line->append(text[i]);
}

// Walks typed and right side by side and appends both marked texts.
class Alignment {
 public:
  // right: rightLength bytes, the part of the expected word compared.
  Alignment(const Settings& settings, const char* typed, const char* right, unsigned rightLength)
      : settings_(settings), typed_(typed), right_(right),
        typedLength_(static_cast<unsigned>(std::strlen(typed))),
        rightLength_(rightLength) {}

  unsigned longest() const { return typedLength_ > rightLength_ ? typedLength_ : rightLength_; }

  void mark(CText* rightLine, CText* yourLine) {
    unsigned u = 0, r = 0;
    for (;;) {
      if (r >= rightLength_) {
        appendColorCode(yourLine, kTextColorCode, settings_.ExtraColor);
        appendBytes(yourLine, typed_ + u, typedLength_ - u);
        return;
      }
      if (u >= typedLength_) {
        appendColorCode(rightLine, kTextColorCode, settings_.ExtraColor);
        appendBytes(rightLine, right_ + r, rightLength_ - r);
        return;
      }
      if (typedAt(u) == rightAt(r)) {
        yourLine->append(typed_[u++]);
        rightLine->append(right_[r++]);
      } else if (forgives(typed_[u], right_[r], settings_.leniency)) {
        appendForgiven(yourLine, typed_[u++]);
        appendForgiven(rightLine, right_[r++]);
      } else if (rightAt(r) == typedAt(u + 1) && rightAt(r + 1) == typedAt(u + 2)) {
        appendMissing(yourLine, typed_[u++]);
      } else if (rightAt(r + 1) == typedAt(u) && rightAt(r + 2) == typedAt(u + 1)) {
        appendMissing(rightLine, right_[r++]);
      } else {
        appendDifferent(yourLine, typed_[u++]);
        appendDifferent(rightLine, right_[r++]);
      }
    }
  }

 private:
  int typedAt(unsigned index) const { return byteAt(typed_, typedLength_, index); }
  int rightAt(unsigned index) const { return byteAt(right_, rightLength_, index); }

  // A space shows its colour as background, which then returns to grey.
  void appendMissing(CText* line, char c) const {
    if (c == ' ') {
      appendColorCode(line, kBackgroundCode, settings_.MissingColor);
      line->append(c);
      appendColorCode(line, kBackgroundCode, kSpaceBackground);
    } else {
      appendColorCode(line, kTextColorCode, settings_.MissingColor);
      line->append(c);
      appendColorCode(line, kTextColorCode, settings_.BaseColor);
    }
  }

  // A letter typed without its accent, where that is accepted.
  void appendForgiven(CText* line, char c) const {
    appendColorCode(line, kTextColorCode, settings_.RightColor);
    line->append(c);
    appendColorCode(line, kTextColorCode, settings_.BaseColor);
  }

  void appendDifferent(CText* line, char c) const {
    appendColorCode(line, kTextColorCode, settings_.DiffColor);
    line->append(c);
    appendColorCode(line, kTextColorCode, settings_.BaseColor);
  }

  const Settings& settings_;
  const char* typed_;
  const char* right_;
  unsigned typedLength_;
  unsigned rightLength_;
};

}  // namespace

AnswerMarker::AnswerMarker(const Settings& settings) : settings_(settings) {
  rightLabel_.load(kStringRightLabel);
  yourLabel_.load(kStringYourLabel);
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
