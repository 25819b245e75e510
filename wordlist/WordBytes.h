#pragma once
// Bytes that a word never holds: 0x02 and 0x03 end the texts of a word file,
// which cannot escape them, and 0x01 to 0x03 begin the in-line colour and
// font codes of the three-dimensional static that shows words in the drill.
// Words that come from outside (text files, the clipboard) drop them.
inline bool isReservedWordByte(char c) { return c >= 0x01 && c <= 0x03; }
