#include "quiz/AnswerMarker.h"

#include "framework/RichText.h"
#include "quiz/DrillStrings.h"
#include "quiz/RichTextCodes.h"
#include "wordlist/Utf8Text.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

const COLORREF kSpaceBackground = RGB(192, 192, 192);
// The alternatives of the expected word that the typed answer was not
// compared with.
const COLORREF kSetAsideColor = RGB(128, 128, 128);
const unsigned kCodeSize = 4;        // a code byte and its three colour bytes
const unsigned kMarkedCharSize = 9;  // change, character, reset
const char* const kOtherSeparator = " / ";

// A text cut into its characters: where each starts in the bytes, and which
// it is. The end of the text is -1: equal to the end of the other text, to
// no character.
class Characters {
 public:
  Characters(const char* text, size_t length) : text_(text, length) {
    for (size_t i = 0; i < length; i = nextCharacter(text_, i)) {
      starts_.push_back(i);
      codes_.push_back(static_cast<int64_t>(characterAt(text_, i)));
    }
    starts_.push_back(length);
  }

  unsigned count() const { return static_cast<unsigned>(codes_.size()); }
  int64_t at(unsigned index) const { return index < codes_.size() ? codes_[index] : -1; }
  uint32_t character(unsigned index) const { return static_cast<uint32_t>(codes_[index]); }
  // The bytes of characters from first up to (not including) last.
  const char* bytes(unsigned first) const { return text_.data() + starts_[first]; }
  unsigned size(unsigned first, unsigned last) const {
    return static_cast<unsigned>(starts_[last] - starts_[first]);
  }

 private:
  std::string text_;
  std::vector<size_t> starts_;
  std::vector<int64_t> codes_;
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
    unsigned typed = typed_.size(0, typed_.count()), right = right_.size(0, right_.count());
    return typed > right ? typed : right;
  }

  void mark(CText* rightLine, CText* yourLine) {
    unsigned u = 0, r = 0;
    for (;;) {
      if (r >= right_.count()) {
        appendColorCode(yourLine, kTextColorCode, settings_.ExtraColor);
        appendBytes(yourLine, typed_.bytes(u), typed_.size(u, typed_.count()));
        return;
      }
      if (u >= typed_.count()) {
        appendColorCode(rightLine, kTextColorCode, settings_.ExtraColor);
        appendBytes(rightLine, right_.bytes(r), right_.size(r, right_.count()));
        return;
      }
      if (typed_.at(u) == right_.at(r)) {
        appendPlain(yourLine, typed_, u++);
        appendPlain(rightLine, right_, r++);
      } else if (forgives(typed_.character(u), right_.character(r), settings_.leniency)) {
        appendColored(yourLine, typed_, u++, settings_.RightColor);
        appendColored(rightLine, right_, r++, settings_.RightColor);
      } else if (right_.at(r) == typed_.at(u + 1) && right_.at(r + 1) == typed_.at(u + 2)) {
        appendMissing(yourLine, typed_, u++);
      } else if (right_.at(r + 1) == typed_.at(u) && right_.at(r + 2) == typed_.at(u + 1)) {
        appendMissing(rightLine, right_, r++);
      } else {
        appendColored(yourLine, typed_, u++, settings_.DiffColor);
        appendColored(rightLine, right_, r++, settings_.DiffColor);
      }
    }
  }

 private:
  static void appendPlain(CText* line, const Characters& text, unsigned index) {
    appendBytes(line, text.bytes(index), text.size(index, index + 1));
  }

  // A space shows its colour as background, which then returns to grey.
  void appendMissing(CText* line, const Characters& text, unsigned index) const {
    if (text.at(index) == ' ') {
      appendColorCode(line, kBackgroundCode, settings_.MissingColor);
      line->append(' ');
      appendColorCode(line, kBackgroundCode, kSpaceBackground);
    } else {
      appendColored(line, text, index, settings_.MissingColor);
    }
  }

  // One character in color, then the base colour again; RightColor for a
  // letter typed without its accent, where that is accepted.
  void appendColored(CText* line, const Characters& text, unsigned index, COLORREF color) const {
    appendColorCode(line, kTextColorCode, color);
    appendPlain(line, text, index);
    appendColorCode(line, kTextColorCode, settings_.BaseColor);
  }

  const Settings& settings_;
  Characters typed_;
  Characters right_;
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
