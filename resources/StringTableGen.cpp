// Turns the STRINGTABLE blocks of a resource script into a C++ table for the
// native builds, so that the string resources have one source.
//   StringTableGen OUTPUT.cpp INPUT.rc...
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Entry {
  unsigned id;
  std::string text;
};

// Reads a quoted resource-script string starting at the opening quote.
bool readQuoted(const std::string& line, size_t position, std::string* text) {
  for (size_t i = position + 1; i < line.size(); ++i) {
    char c = line[i];
    if (c == '"') {
      if (i + 1 < line.size() && line[i + 1] == '"') {
        text->push_back('"');
        ++i;
        continue;
      }
      return true;
    }
    if (c != '\\' || i + 1 >= line.size()) {
      text->push_back(c);
      continue;
    }
    char escaped = line[++i];
    switch (escaped) {
      case 'n': text->push_back('\n'); break;
      case 't': text->push_back('\t'); break;
      case 'r': text->push_back('\r'); break;
      case 'a': text->push_back('\b'); break;
      case 'x': {
        int value = 0, digits = 0;
        while (digits < 2 && i + 1 < line.size() && std::isxdigit(static_cast<unsigned char>(line[i + 1]))) {
          value = value * 16 + std::stoi(std::string(1, line[++i]), nullptr, 16);
          ++digits;
        }
        text->push_back(static_cast<char>(value));
        break;
      }
      default:
        if (escaped >= '0' && escaped <= '7') {
          int value = escaped - '0', digits = 1;
          while (digits < 3 && i + 1 < line.size() && line[i + 1] >= '0' && line[i + 1] <= '7') {
            value = value * 8 + (line[++i] - '0');
            ++digits;
          }
          text->push_back(static_cast<char>(value));
        } else {
          text->push_back(escaped);
        }
    }
  }
  return false;
}

bool parseEntry(const std::string& line, Entry* entry) {
  size_t start = line.find_first_not_of(" \t");
  if (start == std::string::npos || !std::isdigit(static_cast<unsigned char>(line[start]))) return false;
  size_t quote = line.find('"', start);
  if (quote == std::string::npos) return false;
  entry->id = static_cast<unsigned>(std::stoul(line.substr(start)));
  entry->text.clear();
  return readQuoted(line, quote, &entry->text);
}

void readScript(const char* path, std::vector<Entry>* entries) {
  std::ifstream input(path, std::ios::binary);
  if (!input) {
    std::cerr << "cannot read " << path << "\n";
    std::exit(1);
  }
  std::string line;
  bool inTable = false;
  while (std::getline(input, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find("STRINGTABLE") != std::string::npos) inTable = true;
    else if (inTable && line.find("END") == line.find_first_not_of(" \t") && line.find("END") != std::string::npos)
      inTable = false;
    Entry entry;
    if (inTable && parseEntry(line, &entry)) entries->push_back(entry);
  }
}

std::string cLiteral(const std::string& text) {
  std::ostringstream out;
  out << '"';
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') out << '\\' << c;
    else if (c >= 0x20 && c < 0x7F) out << c;
    else {
      char octal[8];
      std::snprintf(octal, sizeof octal, "\\%03o", c);
      out << octal;
    }
  }
  out << '"';
  return out.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: StringTableGen OUTPUT.cpp INPUT.rc...\n";
    return 2;
  }
  std::vector<Entry> entries;
  for (int i = 2; i < argc; ++i) readScript(argv[i], &entries);
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.id < b.id; });
  std::ofstream output(argv[1], std::ios::binary);
  output << "// Generated from the resource scripts; do not edit.\n"
         << "#include \"framework/host/HostWin32.h\"\n\n"
         << "const HostString kHostStrings[] = {\n";
  for (const Entry& entry : entries) output << "    {" << entry.id << ", " << cLiteral(entry.text) << "},\n";
  if (entries.empty()) output << "    {0, \"\"},\n";
  output << "};\nconst unsigned kHostStringCount = " << entries.size() << ";\n";
  return output ? 0 : 1;
}
