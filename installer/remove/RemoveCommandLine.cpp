#include "installer/remove/RemoveCommandLine.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> words(const char* arguments) {
  std::vector<std::string> result;
  const char* p = arguments ? arguments : "";
  for (;;) {
    while (*p == ' ' || *p == '\t') ++p;
    if (!*p) return result;
    std::string word;
    bool quoted = false;
    for (; *p && (quoted || (*p != ' ' && *p != '\t')); ++p) {
      if (*p == '"') quoted = !quoted;
      else word += *p;
    }
    result.push_back(word);
  }
}

bool isOption(const std::string& word, const char* name) {
  return (word[0] == '/' || word[0] == '-') && CText(word.c_str() + 1).compareNoCase(name) == 0;
}

// A handle value in decimal, never 0.
bool readNumber(const std::string& word, unsigned long& number) {
  char* end = nullptr;
  number = std::strtoul(word.c_str(), &end, 10);
  return !word.empty() && *end == 0 && number != 0 && word.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

RemoveCommandLine RemoveCommandLine::parse(const char* arguments) {
  RemoveCommandLine line;
  std::vector<std::string> list = words(arguments);
  for (size_t i = 0; i < list.size() && line.valid; ++i) {
    const std::string& word = list[i];
    if (isOption(word, "S")) {
      line.silent = true;
    } else if (isOption(word, "COPY") && !line.isCopy && i + 3 < list.size()) {
      line.isCopy = true;
      line.valid = readNumber(list[i + 1], line.resultPipe) && readNumber(list[i + 2], line.firstProcess) &&
                   !list[i + 3].empty();
      line.program = list[i + 3].c_str();
      i += 3;
    } else {
      line.valid = false;
    }
  }
  return line;
}

CText RemoveCommandLine::forCopy(const char* copy, unsigned long resultPipe, unsigned long firstProcess,
                                 const char* program, bool silent) {
  CText line;
  line.format("\"%s\" /COPY %lu %lu \"%s\"%s", copy, resultPipe, firstProcess, program, silent ? " /S" : "");
  return line;
}
