#include "framework/RichText.h"

int CRichText::operandSize(unsigned char c) {
  switch (c) {
    case kTextColor:
    case kBackColor:
      return 3;
    case kFont:
      return 4;
    default:
      return 0;
  }
}

void CRichText::assign(const char* text) {
  bytes_.clear();
  if (!text) return;
  size_t end = 0;
  while (text[end] != 0) end += 1 + operandSize(static_cast<unsigned char>(text[end]));
  bytes_.assign(text, end);
}

std::string CRichText::plain() const {
  std::string result;
  size_t i = 0;
  while (i < bytes_.size()) {
    unsigned char c = static_cast<unsigned char>(bytes_[i]);
    if (isCharacter(c)) {
      result += static_cast<char>(c);
      ++i;
    } else {
      i += 1 + operandSize(c);
    }
  }
  return result;
}
