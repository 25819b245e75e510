#include "framework/core/RichText.h"

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

std::string CRichText::shown(const char* text) {
  std::string result = text ? text : "";
  for (char& c : result)
    if (operandSize(static_cast<unsigned char>(c)) > 0) c = kCodeStandIn;
  return result;
}

int CRichText::fittingCount(int count, int room, const std::function<int(int)>& extentOf) {
  if (count <= 1 || extentOf(count) <= room) return count < 1 ? 1 : count;
  int fits = 1, tooWide = count;  // extentOf(tooWide) > room
  while (tooWide - fits > 1) {
    int middle = fits + (tooWide - fits) / 2;
    if (extentOf(middle) <= room) fits = middle;
    else tooWide = middle;
  }
  return fits;
}
