#include "installer/InstallLog.h"

#include "installer/InstallLogText.h"
#include "installer/SectionIndex.h"

namespace {

const char* const kBodyKeys[] = {"directory=", "file=", "reg=", "icon="};

std::string lowered(const std::string& line) { return lowerName(line.data(), line.size()); }

bool isBodyLine(const std::string& line) {
  std::string low = lowered(line);
  for (const char* key : kBodyKeys) {
    if (low.compare(0, std::char_traits<char>::length(key), key) == 0) return true;
  }
  return false;
}

}  // namespace

InstallLog::~InstallLog() { close(); }

bool InstallLog::start(const char* path, const char* program, const char* destination) {
  if (!earlierRead_) {
    readEarlierBody(path);
    earlierRead_ = true;
  }
  file_.close();
  head_.clear();
  body_.clear();
  bodyKeys_.clear();
  carriedWritten_ = false;
  unsigned flags = CDiskFile::kWrite | CDiskFile::kShareExclusive | CDiskFile::kCreate | CDiskFile::kNoInherit;
  if (!file_.open(path, flags, nullptr)) return false;
  write(InstallLogText::header());
  write(InstallLogText::title(program));
  write(InstallLogText::path(destination));
  return true;
}

void InstallLog::readEarlierBody(const char* path) {
  CDiskFile earlier;
  if (!earlier.open(path, CDiskFile::kRead | CDiskFile::kShareDenyWrite | CDiskFile::kNoInherit, nullptr)) return;
  std::string text(earlier.length(), '\0');
  if (text.empty() || earlier.read(&text[0], static_cast<DWORD>(text.size()), nullptr) != text.size()) return;
  std::set<std::string> seen;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (isBodyLine(line) && seen.insert(lowered(line)).second) earlier_.push_back(line + '\n');
    start = end + 1;
  }
}

void InstallLog::write(const CText& line) {
  if (!isOpen()) return;
  std::string text(line.c_str(), line.length());
  if (isBodyLine(text)) {
    if (!carriedWritten_) writeCarried();
    body_.push_back(text);
    bodyKeys_.insert(lowered(text));
  } else {
    head_.push_back(text);
  }
  writeBytes(text);
}

void InstallLog::writeBytes(const std::string& line) {
  file_.write(line.data(), static_cast<DWORD>(line.size()), nullptr);
}

// The carried lines go to the file as soon as this run's body starts, so
// that a run that never ends properly still leaves them in the log.
void InstallLog::writeCarried() {
  carriedWritten_ = true;
  for (const std::string& line : earlier_) writeBytes(line);
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
  for (const std::string& line : earlier_) {
    if (!bodyKeys_.count(lowered(line))) writeBytes(line);
  }
  for (const std::string& line : body_) writeBytes(line);
}

void InstallLog::close() {
  if (!isOpen()) return;
  if (!carriedWritten_) writeCarried();
  else if (repeatsCarriedLine()) rewrite();
  file_.close();
}
