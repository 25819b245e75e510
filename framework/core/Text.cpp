#include "framework/core/Text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace {

const unsigned kSlack = 10;
const unsigned kWideSlack = 5;
const int kScratchSize = 8096;
HINSTANCE module = nullptr;

int sign(int value) { return value < 0 ? -1 : value > 0 ? 1 : 0; }

int compareBytes(const char* a, const char* b) {
  return sign(std::strcmp(a, b));  // strcmp compares as unsigned char
}

unsigned measure(const char* text, int count) {
  unsigned length = 0;
  while (length < static_cast<unsigned>(count) && text[length]) ++length;
  return length;
}

}  // namespace

HINSTANCE resourceModule() { return module ? module : GetModuleHandleA(nullptr); }
void setResourceModule(HINSTANCE instance) { module = instance; }

CText::CText() = default;

CText::CText(const char* text) { *this = text; }

CText::CText(const char* text, int count) { assign(text, count); }

CText::CText(const CText& other) : radix_(other.radix_) { replace(other.buffer_, other.length_); }

CText::CText(CText&& other) noexcept { swap(other); }

CText::~CText() { std::free(buffer_); }

bool CText::replace(const char* text, unsigned count) {
  if (count >= capacity_ || count + kSlack < capacity_) {
    char* fresh = static_cast<char*>(std::malloc(count + kSlack));
    if (!fresh) return false;
    std::free(buffer_);
    buffer_ = fresh;
    capacity_ = count + kSlack;
  }
  if (count) std::memmove(buffer_, text, count);
  buffer_[count] = 0;
  length_ = count;
  return true;
}

CText& CText::operator=(const char* text) {
  if (!text) {
    clear();
    return *this;
  }
  replace(text, static_cast<unsigned>(std::strlen(text)));
  return *this;
}

CText& CText::operator=(const CText& other) {
  if (this == &other) return *this;
  radix_ = other.radix_;
  if (other.empty()) clear();
  else replace(other.buffer_, other.length_);
  return *this;
}

CText& CText::operator=(CText&& other) noexcept {
  swap(other);
  return *this;
}

CText& CText::operator=(char c) {
  replace(&c, 1);
  return *this;
}

void CText::assign(const char* text, int count) {
  if (!text || count <= 0) {
    clear();
    return;
  }
  replace(text, measure(text, count));
}

bool CText::reserveForAppend(unsigned added) {
  unsigned needed = length_ + added;
  if (needed < capacity_) return true;
  char* fresh = static_cast<char*>(std::malloc(needed + kSlack));
  if (!fresh) return false;
  if (buffer_) std::memcpy(fresh, buffer_, length_ + 1);
  std::free(buffer_);
  buffer_ = fresh;
  capacity_ = needed + kSlack;
  return true;
}

void CText::append(char c) {
  if (!reserveForAppend(1)) return;
  buffer_[length_++] = c;
  buffer_[length_] = 0;
}

void CText::append(const CText& other) {
  if (&other == this || other.empty()) return;
  append(other.c_str());
}

void CText::append(const char* text) {
  if (!text || !*text) return;
  unsigned added = static_cast<unsigned>(std::strlen(text));
  if (!reserveForAppend(added)) return;
  std::memcpy(buffer_ + length_, text, added + 1);
  length_ += added;
}

void CText::append(long number) {
  char digits[40];
  int position = sizeof digits - 1;
  digits[position] = 0;
  int base = radix_ >= 2 && radix_ <= 36 ? radix_ : 10;
  bool negative = number < 0 && base == 10;
  unsigned long rest = negative ? 0ul - static_cast<unsigned long>(number) : static_cast<unsigned long>(number);
  do {
    digits[--position] = "0123456789abcdefghijklmnopqrstuvwxyz"[rest % base];
    rest /= base;
  } while (rest);
  if (negative) digits[--position] = '-';
  append(digits + position);
}

CText CText::operator+(char c) const {
  CText result(*this);
  result.append(c);
  return result;
}

int CText::compare(const char* text) const {
  if (empty()) return text && *text ? -1 : 0;
  if (!text) return 1;
  return compareBytes(buffer_, text);
}

int CText::compareNoCase(const char* text) const {
  if (empty()) return text && *text ? -1 : 0;
  if (!text) return 1;
  CText mine(*this), theirs(text);
  mine.lower();
  theirs.lower();
  return compareBytes(mine.c_str(), theirs.c_str());
}

CText CText::left(int count) const { return CText(c_str(), count); }

CText CText::mid(int start, int count) const {
  if (count <= 0) return CText();
  if (static_cast<unsigned>(start + count) < length_) return CText(buffer_ + start, count);
  if (static_cast<unsigned>(count) > length_) return *this;
  return CText(buffer_ + length_ - count, count);
}

char CText::at(int index) const {
  return index >= 0 && static_cast<unsigned>(index) < length_ ? buffer_[index] : 0;
}

void CText::setAt(int index, char c) {
  if (index >= 0 && static_cast<unsigned>(index) < length_) buffer_[index] = c;
}

char* CText::pointerAt(int index) {
  static char emptyText[1];
  if (!buffer_) {
    emptyText[0] = 0;
    return emptyText;
  }
  if (index < 0 || static_cast<unsigned>(index) >= capacity_) return buffer_ + capacity_ - 1;
  return buffer_ + index;
}

int CText::find(char c) const {
  const char* hit = empty() ? nullptr : std::strchr(buffer_, c);
  return hit && c ? static_cast<int>(hit - buffer_) : -1;
}

int CText::findLast(char c) const {
  const char* hit = empty() ? nullptr : std::strrchr(buffer_, c);
  return hit && c ? static_cast<int>(hit - buffer_) : -1;
}

void CText::removeAt(int index) {
  if (index < 0 || static_cast<unsigned>(index) >= length_) return;
  std::memmove(buffer_ + index, buffer_ + index + 1, length_ - index);
  --length_;
}

void CText::lower() {
  if (empty()) return;
  CText copy(*this);
  CharLowerA(copy.buffer_);
  swap(copy);
}

void CText::toOem() {
  if (empty()) return;
  CText copy(*this);
  CharToOemA(buffer_, copy.buffer_);
  swap(copy);
}

void CText::toAnsi() {
  if (empty()) return;
#ifdef _WIN32
  // The system's conversion keeps the length, but where the ANSI code page
  // is UTF-8 a character of the OEM code page may take up to three bytes.
  if (GetACP() == CP_UTF8) {
    int units = MultiByteToWideChar(CP_OEMCP, 0, buffer_, -1, nullptr, 0);
    std::unique_ptr<WCHAR[]> converted(new (std::nothrow) WCHAR[units > 0 ? units : 1]);
    if (!converted || MultiByteToWideChar(CP_OEMCP, 0, buffer_, -1, converted.get(), units) <= 0) return;
    int bytes = WideCharToMultiByte(CP_UTF8, 0, converted.get(), -1, nullptr, 0, nullptr, nullptr);
    CText copy;
    char* out = bytes > 0 ? copy.getBuffer(bytes, false) : nullptr;
    if (!out || WideCharToMultiByte(CP_UTF8, 0, converted.get(), -1, out, bytes, nullptr, nullptr) <= 0) return;
    copy.releaseBuffer();
    swap(copy);
    return;
  }
#endif
  CText copy(*this);
  OemToCharA(buffer_, copy.buffer_);
  swap(copy);
}

char* CText::getBuffer(int count, bool keep) {
  if (count < 0) {
    if (!buffer_) {
      buffer_ = static_cast<char*>(std::calloc(2, 1));
      if (!buffer_) return nullptr;
      capacity_ = 2;
      length_ = 0;
    }
    return buffer_;
  }
  if (static_cast<unsigned>(count) < capacity_) {
    if (!keep && buffer_) buffer_[0] = 0;
    return buffer_;
  }
  char* fresh = static_cast<char*>(std::malloc(count + 1));
  if (!fresh) return nullptr;
  fresh[0] = 0;
  if (keep && buffer_) std::memcpy(fresh, buffer_, length_ + 1);
  std::free(buffer_);
  buffer_ = fresh;
  capacity_ = count + 1;
  if (!keep) length_ = 0;
  return buffer_;
}

void CText::releaseBuffer(int length) {
  if (!buffer_) return;
  unsigned size = length < 0 ? measure(buffer_, static_cast<int>(capacity_))
                             : measure(buffer_, length < static_cast<int>(capacity_) ? length : capacity_);
  unsigned bytes = size + 1 < 2 ? 2 : size + 1;
  char* exact = static_cast<char*>(std::malloc(bytes));
  if (!exact) return;
  std::memcpy(exact, buffer_, size);
  exact[size] = 0;
  std::free(buffer_);
  buffer_ = exact;
  capacity_ = bytes;
  length_ = size;
}

void CText::swap(CText& other) noexcept {
  char* buffer = buffer_;
  buffer_ = other.buffer_;
  other.buffer_ = buffer;
  unsigned value = length_;
  length_ = other.length_;
  other.length_ = value;
  value = capacity_;
  capacity_ = other.capacity_;
  other.capacity_ = value;
  int radix = radix_;
  radix_ = other.radix_;
  other.radix_ = radix;
}

void CText::clear() {
  std::free(buffer_);
  buffer_ = nullptr;
  length_ = capacity_ = 0;
}

void CText::format(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  formatV(format, arguments);
  va_end(arguments);
}

void CText::formatV(const char* format, va_list arguments) {
  char* scratch = static_cast<char*>(std::malloc(kScratchSize));
  if (!scratch) return;
  std::vsnprintf(scratch, kScratchSize, format, arguments);
  *this = scratch;
  std::free(scratch);
}

void CText::formatResource(UINT id, ...) {
  char* pattern = static_cast<char*>(std::malloc(kScratchSize));
  if (!pattern) return;
  LoadStringA(resourceModule(), id, pattern, kScratchSize);
  va_list arguments;
  va_start(arguments, id);
  formatV(pattern, arguments);
  va_end(arguments);
  std::free(pattern);
}

CText CText::loaded(UINT id) {
  CText text;
  text.load(id);
  return text;
}

bool CText::load(UINT id) {
  char* scratch = static_cast<char*>(std::malloc(kScratchSize));
  if (!scratch) return false;
  int length = LoadStringA(resourceModule(), id, scratch, kScratchSize);
  *this = scratch;
  std::free(scratch);
  return length > 0;
}

bool CText::appendResource(UINT id) {
  CText piece;
  if (!piece.load(id)) return false;
  append(piece);
  return true;
}

CWideText::~CWideText() { std::free(buffer_); }

CWideText& CWideText::operator=(const WCHAR* text) {
  if (!text) {
    std::free(buffer_);
    buffer_ = nullptr;
    length_ = capacity_ = 0;
    return *this;
  }
  unsigned count = 0;
  while (text[count]) ++count;
  if (count >= capacity_ || count + kWideSlack < capacity_) {
    WCHAR* fresh = static_cast<WCHAR*>(std::malloc((count + kWideSlack) * sizeof(WCHAR)));
    if (!fresh) return *this;
    std::free(buffer_);
    buffer_ = fresh;
    capacity_ = count + kWideSlack;
  }
  std::memmove(buffer_, text, count * sizeof(WCHAR));
  buffer_[count] = 0;
  length_ = count;
  return *this;
}

const WCHAR* CWideText::c_str() const {
  static const WCHAR emptyText[1] = {0};
  return buffer_ ? buffer_ : emptyText;
}
