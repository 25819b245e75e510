#include "quiz/drill/Settings.h"

#include <cstring>

namespace {

COLORREF Settings::*const kColorFields[Settings::kColorCount] = {
    &Settings::BaseColor, &Settings::RightColor,   &Settings::WrongColor,
    &Settings::DiffColor, &Settings::MissingColor, &Settings::ExtraColor,
};

}  // namespace

Settings::Settings() : PlayFile1("Right.wav"), PlayFile2("Wrong.wav"), Font(defaultFont()) {
  resetRunTimeFlags();
}

void Settings::resetRunTimeFlags() {
  autoSaveCounter = 0;
  helpUsed = 0;
  setAskSecond(true);
  setModified(false);
}

LOGFONTA Settings::defaultFont() {
  LOGFONTA font;
  std::memset(&font, 0, sizeof font);
  font.lfHeight = -11;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = ANSI_CHARSET;
  font.lfOutPrecision = OUT_STRING_PRECIS;
  font.lfClipPrecision = CLIP_STROKE_PRECIS;
  font.lfQuality = DRAFT_QUALITY;
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  std::strcpy(font.lfFaceName, "MS Sans Serif");
  return font;
}

void Settings::setAskSecond(bool on) {
  runBits = on ? (runBits | kAskSecond) : (runBits & ~kAskSecond);
}

void Settings::setModified(bool on) {
  runBits = on ? (runBits | kModified) : (runBits & ~kModified);
}

COLORREF Settings::color(int index) const { return this->*kColorFields[index]; }

void Settings::setColor(int index, COLORREF value) { this->*kColorFields[index] = value; }
