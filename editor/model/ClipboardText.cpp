#include "editor/model/ClipboardText.h"

#include "wordlist/TextLines.h"

std::string makeClipboardText(const WordRows& rows, const std::vector<int>& selected) {
  std::string text;
  for (int row : selected) {
    const WordPair& pair = rows.at(row);
    text.append(pair.firstWord.c_str(), pair.firstWord.length());
    text.push_back('\t');
    text.append(pair.secondWord.c_str(), pair.secondWord.length());
    text.append("\r\n");
  }
  return text;
}

bool readClipboardText(const char* text, size_t size,
                       const std::function<bool(const std::string& first, const std::string& second)>& onPair) {
  return splitTextLines(text, size, [&](const TextLine& line) {
    return !line.valid() || line.tooLong() || onPair(line.first, line.second);
  });
}

bool isPastableText(const char* text, size_t size) {
  return splitTextLines(text, size, [](const TextLine& line) {
    return !line.joined && (line.separatorSeen || !line.endedByBreak);
  });
}
