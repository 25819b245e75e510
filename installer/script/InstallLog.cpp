#include "installer/script/InstallLog.h"

#include "installer/script/InstallLogText.h"
#include "installer/script/SectionIndex.h"

namespace {

const char* const kBodyKeys[] = {"directory=", "file=", "reg=", "icon="};
const char kGroupKey[] = "icongroup=";
const char kUserGroupKey[] = "iconusergroup=";

std::string lowered(const std::string& line) { return lowerName(line.data(), line.size()); }

bool startsWith(const std::string& lowLine, const char* key) {
  return lowLine.compare(0, std::char_traits<char>::length(key), key) == 0;
}

bool isBodyLine(const std::string& line) {
  std::string low = lowered(line);
  for (const char* key : kBodyKeys) {
    if (startsWith(low, key)) return true;
  }
  return false;
}

// Each program group as its ICONGROUP line with the ICONUSERGROUP line that
// follows it, in the order of lines (each ending in LF); a repeated pair
// counts once.
std::vector<std::string> groupPairs(const std::vector<std::string>& lines) {
  std::vector<std::string> pairs;
  std::set<std::string> seen;
  bool open = false;
  for (const std::string& line : lines) {
    std::string low = lowered(line);
    if (startsWith(low, kGroupKey)) {
      pairs.push_back(line);
      open = true;
    } else if (open && startsWith(low, kUserGroupKey)) {
      pairs.back() += line;
      open = false;
    }
  }
  std::vector<std::string> distinct;
  for (const std::string& pair : pairs) {
    if (seen.insert(lowered(pair)).second) distinct.push_back(pair);
  }
  return distinct;
}

}  // namespace

InstallLog::~InstallLog() { close(); }

void InstallLog::start(const char* path, const char* program, const char* destination) {
  file_.close();
  path_ = path;
  failed_ = false;
  head_.clear();
  body_.clear();
  bodyKeys_.clear();
  for (const CText& line : {InstallLogText::header(), InstallLogText::title(program), InstallLogText::path(destination)})
    head_.emplace_back(line.c_str(), line.length());
}

bool InstallLog::begin() {
  if (isOpen()) return true;
  if (path_.empty() || failed_) return false;
  readEarlier();
  unsigned flags = CDiskFile::kWrite | CDiskFile::kShareExclusive | CDiskFile::kCreate | CDiskFile::kNoInherit;
  if (!file_.open(path_.c_str(), flags, nullptr)) {
    failed_ = true;
    return false;
  }
  for (const std::string& line : head_) writeBytes(line);
  for (const std::string& pair : carriedGroups()) writeBytes(pair);
  for (const std::string& line : earlier_) writeBytes(line);
  return true;
}

void InstallLog::readEarlier() {
  earlierGroups_.clear();
  earlier_.clear();
  CDiskFile earlier;
  if (!earlier.open(path_.c_str(), CDiskFile::kRead | CDiskFile::kShareDenyWrite | CDiskFile::kNoInherit, nullptr))
    return;
  std::string text(earlier.length(), '\0');
  if (text.empty() || earlier.read(&text[0], static_cast<DWORD>(text.size()), nullptr) != text.size()) return;
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line + '\n');
    start = end + 1;
  }
  earlierGroups_ = groupPairs(lines);
  std::set<std::string> seen;
  for (const std::string& line : lines) {
    if (isBodyLine(line) && seen.insert(lowered(line)).second) earlier_.push_back(line);
  }
}

// The earlier installation's groups that this run does not name again.
std::vector<std::string> InstallLog::carriedGroups() const {
  std::set<std::string> own;
  for (const std::string& pair : groupPairs(head_)) own.insert(lowered(pair));
  std::vector<std::string> carried;
  for (const std::string& pair : earlierGroups_) {
    if (!own.count(lowered(pair))) carried.push_back(pair);
  }
  return carried;
}

void InstallLog::write(const CText& line) {
  if (path_.empty()) return;
  std::string text(line.c_str(), line.length());
  if (!isBodyLine(text)) {
    head_.push_back(text);
    if (isOpen()) writeBytes(text);
    return;
  }
  if (!begin()) return;
  body_.push_back(text);
  bodyKeys_.insert(lowered(text));
  writeBytes(text);
}

void InstallLog::writeBytes(const std::string& line) {
  if (!file_.write(line.data(), static_cast<DWORD>(line.size()), nullptr)) failed_ = true;
}

bool InstallLog::repeatsCarriedLine() const {
  for (const std::string& line : earlier_) {
    if (bodyKeys_.count(lowered(line))) return true;
  }
  return false;
}

void InstallLog::rewrite() {
  file_.setLength(0);
  for (const std::string& line : head_) writeBytes(line);
  for (const std::string& pair : carriedGroups()) writeBytes(pair);
  for (const std::string& line : earlier_) {
    if (!bodyKeys_.count(lowered(line))) writeBytes(line);
  }
  for (const std::string& line : body_) writeBytes(line);
}

// A closed log is not begun again: a later write would otherwise make it
// anew and lose what this run wrote.
void InstallLog::close() {
  if (isOpen()) {
    if (repeatsCarriedLine()) rewrite();
    if (file_.close()) failed_ = true;
  }
  path_.clear();
}
