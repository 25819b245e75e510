#include "installer/remove/InstallLogReader.h"

#include "installer/remove/RemovalRules.h"

#include <cstring>
#include <string>

namespace {

bool sameWord(const std::string& word, const char* wanted) { return CText(word.c_str()).compareNoCase(wanted) == 0; }

// "ROOT,key" or "ROOT,key,"name"": the value name starts at the first comma
// followed by a double quote and runs to the closing quote, which ends the
// line.
bool readRegistry(const std::string& text, LogEntry& entry) {
  size_t comma = text.find(',');
  if (comma == std::string::npos) return false;
  entry.root = RegistryEntry::rootNamed(text.substr(0, comma).c_str());
  std::string key = text.substr(comma + 1);
  size_t quote = key.find(",\"");
  if (quote != std::string::npos) {
    if (key.size() < quote + 3 || key.back() != '"') return false;
    entry.hasValue = true;
    entry.valueName = key.substr(quote + 2, key.size() - quote - 3).c_str();
    key.resize(quote);
  }
  entry.key = key.c_str();
  return entry.root != RegistryEntry::kNoRoot && !key.empty();
}

class LineReader {
 public:
  explicit LineReader(InstallLogRecord& record) : record_(record) {}

  void read(int number, const std::string& line) {
    size_t equals = line.find('=');
    std::string key = line.substr(0, equals == std::string::npos ? 0 : equals);
    std::string text = equals == std::string::npos ? std::string() : line.substr(equals + 1);
    RemovalReason problem = equals == std::string::npos ? RemovalReason::kNotUnderstood : readKey(number, key, text);
    if (problem != RemovalReason::kNone) skip(number, line, problem);
  }

  void skip(int number, const std::string& line, RemovalReason reason) {
    RefusedLine refused;
    refused.line = number;
    refused.text = line.c_str();
    refused.reason = reason;
    record_.skipped.push_back(refused);
  }

 private:
  RemovalReason readKey(int number, const std::string& key, const std::string& text) {
    if (sameWord(key, "TITLE")) return readHead(seenTitle_, [&] { record_.title = text.c_str(); });
    if (sameWord(key, "PATH")) return readHead(seenPath_, [&] {
        record_.destination = text.c_str();
        record_.destinationLine = number;
      });
    if (sameWord(key, "ICONGROUP")) return readGroup(number, text);
    if (sameWord(key, "ICONUSERGROUP")) return readGroupOwner(text);
    LogEntry entry;
    entry.line = number;
    entry.text = (key + "=" + text).c_str();
    entry.path = text.c_str();
    if (sameWord(key, "DIRECTORY")) entry.kind = LogEntry::kDirectory;
    else if (sameWord(key, "FILE")) entry.kind = LogEntry::kFile;
    else if (sameWord(key, "ICON")) entry.kind = LogEntry::kShortcut;
    else if (sameWord(key, "REG")) entry.kind = LogEntry::kRegistry;
    else return RemovalReason::kNotUnderstood;
    bool understood = entry.kind == LogEntry::kRegistry ? readRegistry(text, entry) : !text.empty();
    if (!understood) return RemovalReason::kNotUnderstood;
    if (entry.kind == LogEntry::kRegistry) entry.path = CText();
    record_.entries.push_back(entry);
    return RemovalReason::kNone;
  }

  RemovalReason readGroup(int number, const std::string& name) {
    LogGroup group;
    group.name = name.c_str();
    group.line = number;
    record_.groups.push_back(group);
    groupOwnerRead_ = false;
    return RemovalReason::kNone;
  }

  // The owner belongs to the group named last, once.
  RemovalReason readGroupOwner(const std::string& text) {
    if (record_.groups.empty()) return RemovalReason::kNotUnderstood;
    if (groupOwnerRead_) return RemovalReason::kRepeatedLine;
    groupOwnerRead_ = true;
    record_.groups.back().userGroup = !sameWord(text, "NO");
    return RemovalReason::kNone;
  }

  template <typename Store>
  RemovalReason readHead(bool& seen, Store store) {
    if (seen) return RemovalReason::kRepeatedLine;
    seen = true;
    store();
    return RemovalReason::kNone;
  }

  InstallLogRecord& record_;
  bool seenTitle_ = false, seenPath_ = false;
  bool groupOwnerRead_ = false;
};

}  // namespace

bool InstallLogReader::read(const char* text, size_t size, InstallLogRecord& record) {
  record = InstallLogRecord();
  if (!text || std::memchr(text, 0, size)) return false;
  LineReader reader(record);
  size_t start = 0;
  for (int number = 1; start < size; ++number) {
    const char* end = static_cast<const char*>(std::memchr(text + start, '\n', size - start));
    size_t length = end ? end - (text + start) : size - start;
    std::string line(text + start, length);
    start += length + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (number == 1) {
      if (!sameWord(line, "[INSTALL]")) return false;
    } else if (!end) {
      // The installer writes each line with its line end at once.
      if (!line.empty()) reader.skip(number, line, RemovalReason::kIncompleteLine);
    } else if (!line.empty()) {
      reader.read(number, line);
    }
  }
  return isFullPath(record.destination.c_str());
}
