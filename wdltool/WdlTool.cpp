// wdltool: word lists from the command line, for teachers who prepare lists
// in bulk and for scripts.
//   wdltool info FILE [--oem]
//   wdltool dump FILE [--oem]
//   wdltool convert IN OUT --to wdl|text|oem|utf8 [--oem]
#include "wordlist/WordFile.h"
#include "wordlist/WordFileLayout.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

const int kUsageError = 2;

int usage() {
  std::fputs(
      "usage: wdltool info FILE [--oem]\n"
      "       wdltool dump FILE [--oem]\n"
      "       wdltool convert IN OUT --to wdl|text|oem|utf8 [--oem]\n",
      stderr);
  return kUsageError;
}

const char* formatName(int format) {
  switch (format) {
    case kFormatWordFile: return "WordFile";
    case kFormatText: return "Text";
    case kFormatOemText: return "OemText";
    default: return "None";
  }
}

int fail(FileResult result, const char* path) {
  CText message;
  message.formatResource(fileResultMessageId(result), path);
  std::fprintf(stderr, "wdltool: %s: %s\n", fileResultName(result), message.c_str());
  return 1;
}

template <class Text>
void put(const Text& text) {
  std::fwrite(text.c_str(), 1, text.length(), stdout);
}

// Opens path as the quiz program does, skipping invalid text lines; a line
// whose characters the code page cannot hold is named.
FileResult openList(WordList& list, const char* path, bool oem) {
  int skipped = 0;
  FileResult result = open(list, path, oem ? kFormatOemText : kFormatNone, [&](const InvalidLine& line) {
    ++skipped;
    if (line.reason == InvalidLine::Reason::Unconvertible)
      std::fprintf(stderr, "wdltool: line %d has a character that code page 1252 cannot hold\n", line.number);
    else if (line.reason == InvalidLine::Reason::TooLong)
      std::fprintf(stderr, "wdltool: line %d has a word longer than %u bytes\n", line.number, kLongestWordFileText);
    return true;
  });
  if (skipped > 0) std::fprintf(stderr, "wdltool: skipped %d invalid line%s\n", skipped, skipped == 1 ? "" : "s");
  return result;
}

int info(WordList& list) {
  std::printf("format: %s\n", formatName(list.format));
  std::printf("first language: %s\n", list.firstLanguage.c_str());
  std::printf("second language: %s\n", list.secondLanguage.c_str());
  std::printf("author: %s\n", list.author.c_str());
  std::printf("pairs: %d\n", list.pairs.count());
  std::printf("marked: %d\n", list.pairs.countMarked());
  put(list.information);
  std::fputc('\n', stdout);
  return 0;
}

int dump(WordList& list) {
  for (WordPair* pair = list.pairs.head(); pair; pair = pair->next) {
    std::fputc(pair->mark == 1 ? '1' : '0', stdout);
    std::fputc('\t', stdout);
    put(pair->firstWord);
    std::fputc('\t', stdout);
    put(pair->secondWord);
    std::fputc('\n', stdout);
  }
  return 0;
}

// No list format of its own: the list is written as text in UTF-8.
const int kUtf8Target = 100;

int formatFromName(const std::string& name) {
  if (name == "utf8") return kUtf8Target;
  if (name == "wdl") return kFormatWordFile;
  if (name == "text") return kFormatText;
  if (name == "oem") return kFormatOemText;
  return -1;
}

int run(const std::vector<std::string>& arguments) {
  std::vector<std::string> plain;
  bool oem = false;
  int target = -1;
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--oem") oem = true;
    else if (arguments[i] == "--to" && i + 1 < arguments.size()) target = formatFromName(arguments[++i]);
    else if (arguments[i] == "--to") return usage();
    else plain.push_back(arguments[i]);
  }
  if (plain.empty()) return usage();
  const std::string& command = plain[0];
  bool reading = (command == "info" || command == "dump") && plain.size() == 2;
  bool converting = command == "convert" && plain.size() == 3 && target >= 0;
  if (!reading && !converting) return usage();

  WordList list;
  FileResult result = openList(list, plain[1].c_str(), oem);
  if (result != FileResult::Ok) return fail(result, plain[1].c_str());
  if (command == "info") return info(list);
  if (command == "dump") return dump(list);
  list.fileName = plain[2].c_str();
  list.format = target;
  result = target == kUtf8Target ? writeUtf8Text(list) : save(list);
  return result == FileResult::Ok ? 0 : fail(result, plain[2].c_str());
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  return run(std::vector<std::string>(argv + 1, argv + argc));
}
