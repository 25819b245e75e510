#pragma once
// CRichText: the text of a "ZTK3DSTATIC" control. Byte 1 followed by red, green
// and blue sets the text colour, byte 2 followed by red, green and blue the
// background colour, byte 3 followed by a four-byte font handle (little-endian)
// the font. Every byte from 4 upwards is a character. Operand bytes may be 0;
// only a 0 outside an operand ends the text.
#include <functional>
#include <string>

class CRichText {
 public:
  enum Code : unsigned char { kTextColor = 1, kBackColor = 2, kFont = 3 };

  // Number of operand bytes after byte c: 3, 3 or 4 for the codes, 0 otherwise.
  static int operandSize(unsigned char c);
  static bool isCharacter(unsigned char c) { return c >= 4; }

  // Copies text up to its ending 0, taking every operand whole. Null gives the
  // empty text. The caller's string must hold the complete operand of every
  // code it contains.
  void assign(const char* text);

  // text with every code byte (1, 2 and 3) replaced by kCodeStandIn. Words
  // put into the control go through it, so that a word never starts a code
  // or swallows the characters after it.
  static std::string shown(const char* text);
  static const char kCodeStandIn = '?';

  // How many leading characters of a run of count characters fit in room
  // pixels: the most n, 1 <= n <= count, with extentOf(n) <= room, or 1 when
  // even one does not fit. extentOf(n) is the width of the first n characters
  // and grows with n; a binary search asks it about log2(count) times.
  static int fittingCount(int count, int room, const std::function<int(int)>& extentOf);

  // The stored bytes, codes and operands included, without the ending 0.
  const std::string& bytes() const { return bytes_; }

  // The characters only. A code whose operand is cut short ends the text.
  std::string plain() const;

 private:
  std::string bytes_;
};
