#include "installer/script/InstallCommandLine.h"

#include <cctype>
#include <cstring>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool startsWithNoCase(const char* text, const char* prefix) {
  for (; *prefix; ++text, ++prefix) {
    if (std::tolower(static_cast<unsigned char>(*text)) != std::tolower(static_cast<unsigned char>(*prefix)))
      return false;
  }
  return true;
}

// The rest of the line; a closing quote goes with the opening one.
CText destinationText(const char* text, bool quoted) {
  size_t length = std::strlen(text);
  while (length > 0 && isBlank(text[length - 1])) --length;
  if (quoted && length > 0 && text[length - 1] == '"') --length;
  return CText(text, static_cast<int>(length));
}

}  // namespace

InstallCommandLine InstallCommandLine::parse(const char* line) {
  InstallCommandLine options;
  const char* p = line ? line : "";
  for (;;) {
    while (isBlank(*p)) ++p;
    if (!*p) break;
    bool quoted = *p == '"';
    if (quoted) ++p;
    if (startsWithNoCase(p, "/D=")) {
      options.destination = destinationText(p + 3, quoted);
      if (!isAbsolutePath(options.destination.c_str())) options.error = kInvalidDestination;
      break;
    }
    const char* end = p;
    while (*end && (quoted ? *end != '"' : !isBlank(*end))) ++end;
    if (end - p == 2 && startsWithNoCase(p, "/S")) options.silent = true;
    else options.error = kUnknownOption;
    p = quoted && *end ? end + 1 : end;
  }
  return options;
}

bool isAbsolutePath(const char* path) {
  if (std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' && path[2] == '\\') return true;
  return path[0] == '\\' && path[1] == '\\' && path[2] && path[2] != '\\';
}

int installExitCode(unsigned char restartFlag, bool removable) {
  if (!removable) return kExitAborted;
  if (restartFlag == 10) return kExitComplete;
  if (restartFlag == 11) return kExitRestartNeeded;
  return kExitAborted;
}
