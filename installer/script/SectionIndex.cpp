#include "installer/script/SectionIndex.h"

#include "framework/core/Win32.h"

namespace {

bool isLineSpace(char c) { return c == ' ' || c == '\r' || c == '\n'; }

}  // namespace

std::string lowerName(const char* name, size_t length) {
  std::string lowered(name, length);
  if (!lowered.empty()) CharLowerA(&lowered[0]);
  return lowered;
}

SectionIndex::SectionIndex(const char* text) {
  const char* p = text;
  for (;;) {
    while (isLineSpace(*p)) ++p;
    if (*p == 0) return;
    if (*p != '[') {
      while (*p && *p != '\n') ++p;
      continue;
    }
    const char* name = ++p;
    while (*p && *p != ']' && *p != '\n') ++p;
    if (*p != ']') return;
    std::string key = lowerName(name, p - name);
    const char* body = ++p;
    while (isLineSpace(*body)) ++body;
    bodies_.emplace(key, body);
  }
}

const char* SectionIndex::find(const char* name) const {
  auto found = bodies_.find(lowerName(name, std::char_traits<char>::length(name)));
  return found == bodies_.end() ? nullptr : found->second;
}
