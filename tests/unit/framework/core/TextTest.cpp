#include "framework/core/Text.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(Text, EmptyTextComparesEqualToEmptyAndNullStrings) {
  CText empty;
  EXPECT_EQ(empty.compare(""), 0);
  EXPECT_EQ(empty.compare(nullptr), 0);
  EXPECT_EQ(empty.compare("a"), -1);
  EXPECT_EQ(CText("a").compare(nullptr), 1);
  EXPECT_STREQ(empty.c_str(), "");
}

TEST(Text, ComparesBytesAsUnsigned) {
  EXPECT_EQ(CText("\xE4").compare("z"), 1);
  EXPECT_EQ(CText("abc").compare("abd"), -1);
  EXPECT_EQ(CText("abc").compare("abc"), 0);
}

TEST(Text, CompareNoCaseUsesAnsiLowerCasing) {
  EXPECT_EQ(CText("HOUSE").compareNoCase("house"), 0);
  EXPECT_EQ(CText("\xC4iti").compareNoCase("\xE4iti"), 0);  // A-umlaut
  EXPECT_EQ(CText("a").compareNoCase("B"), -1);
}

TEST(Text, AppendsNumbersInItsRadix) {
  CText text("x");
  text.append(42L);
  EXPECT_STREQ(text.c_str(), "x42");
  CText hex;
  hex.setRadix(16);
  hex.append(255L);
  EXPECT_STREQ(hex.c_str(), "ff");
  CText copy(hex);
  EXPECT_EQ(copy.radix(), 16);
  CText negative;
  negative.append(-7L);
  EXPECT_STREQ(negative.c_str(), "-7");
}

TEST(Text, MiddlePartTakesTheLastCharactersWhenItWouldReachTheEnd) {
  CText text("abcdef");
  EXPECT_STREQ(text.mid(1, 3).c_str(), "bcd");
  EXPECT_STREQ(text.mid(4, 3).c_str(), "def");
  EXPECT_STREQ(text.mid(3, 3).c_str(), "def");
  EXPECT_STREQ(text.left(2).c_str(), "ab");
}

TEST(Text, ReleasingABufferMeasuresUpToTheNul) {
  CText text;
  char* buffer = text.getBuffer(100, false);
  std::strcpy(buffer, "abc");
  text.releaseBuffer(-1);
  EXPECT_EQ(text.length(), 3u);
  EXPECT_EQ(text.capacity(), 4u);
  EXPECT_STREQ(text.c_str(), "abc");

  CText empty;
  ASSERT_NE(empty.getBuffer(-1, false), nullptr);
  empty.releaseBuffer(-1);
  EXPECT_EQ(empty.capacity(), 2u);
}

TEST(Text, GetBufferKeepsTheOldTextOnlyWhenAsked) {
  CText text("hello");
  text.getBuffer(50, true);
  text.releaseBuffer();
  EXPECT_STREQ(text.c_str(), "hello");
  text.getBuffer(50, false);
  text.releaseBuffer();
  EXPECT_STREQ(text.c_str(), "");
}

TEST(Text, AllocationFollowsTheSlackRule) {
  CText text("abc");
  EXPECT_EQ(text.capacity(), 13u);
  const char* before = text.c_str();
  text = "abcdefgh";  // fits and is not 10 below the capacity: buffer reused
  EXPECT_EQ(text.c_str(), before);
  text = "abcdefghijklm";  // reaches the capacity
  EXPECT_EQ(text.capacity(), 23u);
  text = "ab";  // far below the capacity: shrinks
  EXPECT_EQ(text.capacity(), 12u);
  text.append("0123456789");  // 12 reaches the capacity
  EXPECT_EQ(text.capacity(), 22u);
  EXPECT_STREQ(text.c_str(), "ab0123456789");
}

TEST(Text, AssignmentFromNullOrEmptyFreesTheBuffer) {
  CText text("abc");
  text = static_cast<const char*>(nullptr);
  EXPECT_EQ(text.capacity(), 0u);
  text = "abc";
  text = CText();
  EXPECT_EQ(text.capacity(), 0u);
  text.assign("abcdef", 3);
  EXPECT_STREQ(text.c_str(), "abc");
  text.assign("ab", 10);
  EXPECT_STREQ(text.c_str(), "ab");
  text.assign("ab", 0);
  EXPECT_TRUE(text.empty());
}

TEST(Text, AppendingItselfOrNothingChangesNothing) {
  CText text("ab");
  text.append(text);
  text.append("");
  text.append(static_cast<const char*>(nullptr));
  EXPECT_STREQ(text.c_str(), "ab");
  EXPECT_STREQ((text + 'c').c_str(), "abc");
}

TEST(Text, CharacterAccess) {
  CText text("banana");
  EXPECT_EQ(text.at(0), 'b');
  EXPECT_EQ(text.at(6), 0);
  EXPECT_EQ(text.at(-1), 0);
  EXPECT_EQ(text.find('n'), 2);
  EXPECT_EQ(text.findLast('n'), 4);
  EXPECT_EQ(text.find('x'), -1);
  text.setAt(0, 'c');
  text.setAt(10, 'x');
  EXPECT_STREQ(text.c_str(), "canana");
  text.removeAt(1);
  EXPECT_STREQ(text.c_str(), "cnana");
  EXPECT_EQ(text.length(), 5u);
  EXPECT_EQ(*text.pointerAt(1), 'n');
  EXPECT_EQ(text.pointerAt(1000), text.pointerAt(static_cast<int>(text.capacity()) - 1));
  CText empty;
  EXPECT_EQ(*empty.pointerAt(3), 0);
}

TEST(Text, OemConversionRoundTrips) {
  CText text("k\xE4si");  // a-umlaut in code page 1252
  text.toOem();
  EXPECT_STREQ(text.c_str(), "k\x84si");  // and in code page 437
  text.toAnsi();
  EXPECT_STREQ(text.c_str(), "k\xE4si");
  CText empty;
  empty.toOem();
  EXPECT_TRUE(empty.empty());
}

TEST(Text, FormatsAndLoadsResources) {
  CText text;
  text.format("%s-%d", "a", 5);
  EXPECT_STREQ(text.c_str(), "a-5");
  EXPECT_TRUE(text.load(22015));
  EXPECT_STREQ(text.c_str(), "Made: ");
  EXPECT_TRUE(text.appendResource(20001));
  EXPECT_STREQ(text.c_str(), "Made: Finnish");
  text.formatResource(21002, "x.wdl");
  EXPECT_STREQ(text.c_str(), "Error to open file x.wdl: \nFile not found.");
  EXPECT_FALSE(text.load(1));
  EXPECT_TRUE(text.empty());
}

TEST(Text, SwapExchangesContents) {
  CText a("one"), b("two");
  a.swap(b);
  EXPECT_STREQ(a.c_str(), "two");
  EXPECT_STREQ(b.c_str(), "one");
}

TEST(WideText, AssignsAndFrees) {
  const WCHAR word[] = {'h', 'i', 0};
  CWideText text;
  text = word;
  EXPECT_EQ(text.length(), 2u);
  EXPECT_EQ(text.c_str()[1], 'i');
  text = static_cast<const WCHAR*>(nullptr);
  EXPECT_EQ(text.length(), 0u);
  EXPECT_EQ(text.c_str()[0], 0);
}
