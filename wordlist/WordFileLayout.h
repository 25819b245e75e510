#pragma once
// The bytes that frame a word file: its fixed first bytes, the byte that ends
// every text and the end marker after the last pair record; and the longest
// text (a header text or a word) that its reader takes, in bytes.

const char kWordFileFixedBytes[8] = {'\xFE', '\xFE', '9', '7', 'W', 'D', 'L', '\x12'};
const char kWordFileTextEnd = 0x03;
const char kWordFileEndMarker = 0x02;
const unsigned kLongestWordFileText = 32000;
