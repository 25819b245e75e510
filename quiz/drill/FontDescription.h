#pragma once
// The description of a font for the user, as the Settings dialog and the
// Character dialog show it: face name and size in points (string 10000,
// "%s %dpt"), then " Bold" (10001) for a weight above 500 and " Italic"
// (10002) for an italic font. For example "MS Sans Serif 8pt".
#include "framework/core/Text.h"

// pixelsPerInch: the screen's vertical logical pixels per inch. The size is
// the font height in points, rounded as MulDiv rounds, without its sign.
CText describeFont(const LOGFONTA& font, int pixelsPerInch);

// The height in pixels of a one-line box that shows the font: the font's
// absolute height + 12, at least 23 and at most tallest; a height of 0 gives
// 23.
int lineHeightFor(const LOGFONTA& font, int tallest);
