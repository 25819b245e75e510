#include "quiz/drill/CommandLine.h"

#include <cstring>

CText firstArgument(const char* commandLine) {
  if (!commandLine) return CText();
  while (*commandLine == ' ' || *commandLine == '\t') ++commandLine;
  if (*commandLine == '"') {
    const char* start = commandLine + 1;
    const char* end = std::strchr(start, '"');
    return CText(start, end ? static_cast<int>(end - start) : static_cast<int>(std::strlen(start)));
  }
  return CText(commandLine, static_cast<int>(std::strcspn(commandLine, " ")));
}
