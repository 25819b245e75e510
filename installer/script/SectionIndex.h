#pragma once
// SectionIndex: where each section of a setup script text starts, found in one
// pass. A header is "[" name "]" at the start of a line; the first header with
// a name wins, names match without regard to case, and a header broken by a
// line end or the text's end hides every later section.
#include <string>
#include <unordered_map>

class SectionIndex {
 public:
  // text: NUL-terminated; the index keeps pointers into it.
  explicit SectionIndex(const char* text);
  // The first character of the section's body, or null when not found.
  const char* find(const char* name) const;

 private:
  std::unordered_map<std::string, const char*> bodies_;
};

// The system's ANSI lower-casing of a name, as a key for comparisons.
std::string lowerName(const char* name, size_t length);
