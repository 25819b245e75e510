// wdltool: word lists from the command line, for teachers who prepare lists
// in bulk and for scripts.
//   wdltool info FILE [--oem]
//   wdltool dump FILE [--oem]
//   wdltool convert IN OUT --to wdl|text|oem|utf8 [--oem]
// Lists are held in UTF-8, so that words in any script go through whole; the
// OEM code page is reached through code page 1252 as the quiz program does,
// so a command that reads or writes OEM text holds the list in that code
// page. info and dump print code page 1252 for a list that fits it, as they
// always did, and UTF-8 for any other.
#include "wordlist/TextConverter.h"
#include "wordlist/Utf8Text.h"
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

bool listFitsCp1252(const WordList& list) {
  if (programEncoding() == TextEncoding::kCp1252) return true;
  for (const CText* text : {&list.firstLanguage, &list.secondLanguage, &list.author, &list.information})
    if (!fitsCp1252(text->c_str(), text->length())) return false;
  for (WordPair* pair = list.pairs.head(); pair; pair = pair->next)
    if (!fitsCp1252(pair->firstWord.c_str(), pair->firstWord.length()) ||
        !fitsCp1252(pair->secondWord.c_str(), pair->secondWord.length()))
      return false;
  return true;
}

// Prints the texts of a list in the encoding chosen for its output.
class Printer {
 public:
  explicit Printer(const WordList& list)
      : converter_(programEncoding(), listFitsCp1252(list) ? TextEncoding::kCp1252 : TextEncoding::kUtf8) {}

  template <class Text>
  void put(const Text& text) {
    std::string converted = converter_.convert(text.c_str(), text.length());
    std::fwrite(converted.data(), 1, converted.size(), stdout);
  }
  template <class Text>
  void line(const char* label, const Text& text) {
    std::fputs(label, stdout);
    put(text);
    std::fputc('\n', stdout);
  }

 private:
  TextConverter converter_;
};

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
  Printer printer(list);
  std::printf("format: %s\n", formatName(list.format));
  printer.line("first language: ", list.firstLanguage);
  printer.line("second language: ", list.secondLanguage);
  printer.line("author: ", list.author);
  std::printf("pairs: %d\n", list.pairs.count());
  std::printf("marked: %d\n", list.pairs.countMarked());
  printer.line("", list.information);
  return 0;
}

int dump(WordList& list) {
  Printer printer(list);
  for (WordPair* pair = list.pairs.head(); pair; pair = pair->next) {
    std::fputc(pair->drilled() ? '1' : '0', stdout);
    std::fputc('\t', stdout);
    printer.put(pair->firstWord);
    std::fputc('\t', stdout);
    printer.put(pair->secondWord);
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
  bool oemText = oem || (converting && target == kFormatOemText);
  setProgramEncoding(oemText ? TextEncoding::kCp1252 : TextEncoding::kUtf8);

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
