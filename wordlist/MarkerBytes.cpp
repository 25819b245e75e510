#include "wordlist/MarkerBytes.h"

#include "wordlist/WordFileLayout.h"

namespace {

const char kColorCode = 0x01;

bool isMarker(char c) { return c == kColorCode || c == kWordFileEndMarker || c == kWordFileTextEnd; }

}  // namespace

void dropMarkerBytes(CText* text) {
  for (int i = static_cast<int>(text->length()) - 1; i >= 0; --i)
    if (isMarker(text->at(i))) text->removeAt(i);
}
