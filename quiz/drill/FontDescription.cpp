#include "quiz/drill/FontDescription.h"

#include "resources/QuizResourceIds.h"

#include <cstdint>

namespace {

const int kPointsPerInch = 72;
const LONG kBoldAbove = 500;

// number * numerator / denominator rounded half away from zero, as MulDiv does.
int64_t mulDivRounded(int64_t number, int64_t numerator, int64_t denominator) {
  int64_t product = number * numerator;
  bool negative = (product < 0) != (denominator < 0);
  int64_t magnitude = (product < 0 ? -product : product);
  int64_t divisor = denominator < 0 ? -denominator : denominator;
  int64_t quotient = (magnitude + divisor / 2) / divisor;
  return negative ? -quotient : quotient;
}

}  // namespace

CText describeFont(const LOGFONTA& font, int pixelsPerInch) {
  int64_t points = pixelsPerInch > 0 ? mulDivRounded(font.lfHeight, kPointsPerInch, pixelsPerInch) : 0;
  char face[LF_FACESIZE + 1] = "";
  for (int i = 0; i < LF_FACESIZE && font.lfFaceName[i]; ++i) face[i] = font.lfFaceName[i];
  CText description;
  description.formatResource(QuizString::kFontPoints, face, static_cast<int>(points < 0 ? -points : points));
  if (font.lfWeight > kBoldAbove) description.appendResource(QuizString::kFontBold);
  if (font.lfItalic) description.appendResource(QuizString::kFontItalic);
  return description;
}

int lineHeightFor(const LOGFONTA& font, int tallest) {
  const int kShortest = 23;
  const int kMargin = 12;
  LONG height = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
  if (height == 0 || height + kMargin < kShortest) return kShortest;
  return height + kMargin > tallest ? tallest : static_cast<int>(height) + kMargin;
}
