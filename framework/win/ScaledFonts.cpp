#include "framework/win/ScaledFonts.h"

#include <cstring>

HFONT CScaledFonts::at(HFONT font, int fontDpi, int dpi) {
  LOGFONTA description = {};
  if (!font || fontDpi == dpi || !GetObjectA(font, sizeof description, &description)) return font;
  for (const Copy& copy : copies_)
    if (copy.original == font && copy.originalDpi == fontDpi && copy.dpi == dpi &&
        std::memcmp(&copy.description, &description, sizeof description) == 0)
      return copy.font;
  LOGFONTA scaled = description;
  scaled.lfHeight = MulDiv(description.lfHeight, dpi, fontDpi);
  scaled.lfWidth = MulDiv(description.lfWidth, dpi, fontDpi);
  HFONT made = CreateFontIndirectA(&scaled);
  if (!made) return font;
  copies_.push_back({font, description, fontDpi, dpi, made});
  return made;
}

void CScaledFonts::rescale(HWND window, int previous, int dpi) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0));
    if (!font) continue;
    HFONT original = font;
    int originalDpi = previous;
    for (const Copy& copy : copies_)
      if (copy.font == font) {
        original = copy.original;
        originalDpi = copy.originalDpi;
      }
    HFONT scaled = at(original, originalDpi, dpi);
    if (scaled != font) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(scaled), TRUE);
  }
  // No child shows a copy for another scale any more.
  for (size_t i = copies_.size(); i-- > 0;)
    if (copies_[i].dpi != dpi) {
      DeleteObject(copies_[i].font);
      copies_.erase(copies_.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void CScaledFonts::release() {
  for (const Copy& copy : copies_) DeleteObject(copy.font);
  copies_.clear();
}
