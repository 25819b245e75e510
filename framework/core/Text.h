#pragma once
// CText: an owned 8-bit text in the Windows ANSI code page. A null buffer is the
// empty text; c_str() never returns null. CWideText: an owned 16-bit text.
#include "framework/core/Win32.h"

#include <cstdarg>

class CText {
 public:
  CText();
  CText(const char* text);  // null gives the empty text
  CText(const char* text, int count);  // at most count characters, stops at NUL
  CText(const CText& other);
  CText(CText&& other) noexcept;
  ~CText();

  CText& operator=(const char* text);  // null frees the buffer
  CText& operator=(const CText& other);  // an empty source frees the buffer
  CText& operator=(CText&& other) noexcept;
  CText& operator=(char c);
  void assign(const char* text, int count);

  void append(char c);
  void append(const CText& other);  // nothing happens for itself or an empty text
  void append(const char* text);
  void append(long number);  // converted in the text's radix
  CText& operator+=(char c) { append(c); return *this; }
  CText& operator+=(const CText& other) { append(other); return *this; }
  CText& operator+=(const char* text) { append(text); return *this; }
  CText operator+(char c) const;

  // Both answer -1, 0 or 1; bytes compare as unsigned. An empty text equals a
  // null or empty string; a non-empty text is greater than a null string.
  int compare(const char* text) const;
  int compareNoCase(const char* text) const;
  bool operator==(const char* text) const { return compare(text) == 0; }
  bool operator==(const CText& other) const { return compare(other.c_str()) == 0; }
  bool operator!=(const char* text) const { return compare(text) != 0; }

  CText left(int count) const;
  // count characters from start, or the last count characters when
  // start + count is not below the length. The caller keeps count <= length.
  CText mid(int start, int count) const;

  char at(int index) const;  // 0 when out of range
  void setAt(int index, char c);  // ignored when out of range
  // Pointer to the character at index; an index outside the buffer gives the
  // buffer's last byte, an empty text a pointer to a NUL.
  char* pointerAt(int index);
  int find(char c) const;  // first index or -1
  int findLast(char c) const;  // last index or -1
  void removeAt(int index);  // the caller keeps index below the length

  void lower();  // the system's ANSI lower-casing
  void toOem();
  void toAnsi();  // grows where the ANSI code page is UTF-8

  // A writable buffer of at least count characters; keep copies the old text.
  // count -1 gives the current buffer (a 2-byte empty one when there is none).
  // Returns null when memory cannot be had. releaseBuffer(-1) measures up to
  // the first NUL.
  char* getBuffer(int count, bool keep);
  void releaseBuffer(int length = -1);

  void swap(CText& other) noexcept;
  void clear();

  void format(const char* format, ...);
  void formatV(const char* format, va_list arguments);
  void formatResource(UINT id, ...);
  bool load(UINT id);  // replaces the text with string resource id
  // String resource id as a new text; empty when there is none.
  static CText loaded(UINT id);
  bool appendResource(UINT id);

  const char* c_str() const { return buffer_ ? buffer_ : ""; }
  unsigned length() const { return length_; }
  bool empty() const { return length_ == 0; }
  unsigned capacity() const { return capacity_; }
  int radix() const { return radix_; }
  void setRadix(int radix) { radix_ = radix; }

 private:
  bool replace(const char* text, unsigned count);
  bool reserveForAppend(unsigned added);

  char* buffer_ = nullptr;
  unsigned length_ = 0;
  unsigned capacity_ = 0;
  int radix_ = 10;
};

class CWideText {
 public:
  CWideText() = default;
  CWideText(const CWideText&) = delete;
  CWideText& operator=(const CWideText&) = delete;
  ~CWideText();

  CWideText& operator=(const WCHAR* text);  // null frees the buffer
  const WCHAR* c_str() const;
  unsigned length() const { return length_; }

 private:
  WCHAR* buffer_ = nullptr;
  unsigned length_ = 0;
  unsigned capacity_ = 0;
};

// The module whose string resources the texts load; the application object
// sets it at start. Null means the program's own module.
HINSTANCE resourceModule();
void setResourceModule(HINSTANCE module);
