#pragma once
// Appending the in-line codes of the three-dimensional static control to a
// text: code 1 (text colour) or 2 (background) with red, green and blue
// bytes; code 3 with a font handle, 4 bytes little-endian. Operand bytes may
// be 0, so such texts are measured with length(), never up to a NUL.
#include "framework/core/RichText.h"
#include "framework/core/Text.h"

#include <cstdint>

const char kTextColorCode = CRichText::kTextColor;
const char kBackgroundCode = CRichText::kBackColor;
const char kFontCode = CRichText::kFont;

inline void appendColorCode(CText* line, char code, COLORREF color) {
  line->append(code);
  line->append(static_cast<char>(GetRValue(color)));
  line->append(static_cast<char>(GetGValue(color)));
  line->append(static_cast<char>(GetBValue(color)));
}

inline void appendFontCode(CText* line, HFONT font) {
  uint32_t handle = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(font));
  line->append(kFontCode);
  for (int shift = 0; shift < 32; shift += 8) line->append(static_cast<char>((handle >> shift) & 0xFF));
}
