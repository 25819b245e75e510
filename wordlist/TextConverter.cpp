#include "wordlist/TextConverter.h"

#include "wordlist/Utf8Text.h"

#include <vector>

bool TextConverter::changes(const char* text, size_t length) const {
  if (!converts()) return false;
  for (size_t i = 0; i < length; ++i)
    if (static_cast<unsigned char>(text[i]) >= 0x80) return true;
  return false;
}

std::string TextConverter::convert(const char* text, size_t length) {
  if (!changes(text, length)) return std::string(text, length);
  if (from_ == TextEncoding::kCp1252) return cp1252ToUtf8(text, length);
  std::vector<int> badLines;
  std::string converted = utf8ToCp1252(text, length, &badLines);
  lost_ |= !badLines.empty();
  return converted;
}

void TextConverter::convert(CText* text) {
  if (!changes(text->c_str(), text->length())) return;
  std::string converted = convert(text->c_str(), text->length());
  text->assign(converted.c_str(), static_cast<int>(converted.size()));
}
