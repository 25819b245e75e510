#include "framework/core/StringFunctions.h"

#include "framework/core/ErrorRecorder.h"

#include <gtest/gtest.h>

TEST(PatternSearch, FollowsTheStarAndQuestionMarkRules) {
  struct Case {
    const char* text;
    const char* pattern;
    bool found;
  } cases[] = {
      {"xxabcdyy", "ab?d", true},
      {"abc", "a*c", true},
      {"ac", "a*c", false},  // a star stands for at least one character
      {"anything", "", true},
      {"abc", "abc", true},
      {"abc", "abcd", false},
      {"ab", "ab?", false},  // ? never matches the end of the text
      {"xab", "ab*", false},  // the text ends where the star stands
      {"abcx", "ab*", true},
      {"house", "o?s", true},
      {"one two three", "two*ee", true},
      {"aab", "ab", true},
      {"abab", "b*b", true},
      {"xyz", "q", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " / " + c.pattern);
    EXPECT_EQ(patternFound(c.text, c.pattern), c.found);
  }
}

TEST(StringFunctions, CompareNoCase) {
  EXPECT_EQ(compareNoCase("TALO", "talo"), 0);
  EXPECT_EQ(compareNoCase("\xD6ljy", "\xF6LJY"), 0);  // O-umlaut
  EXPECT_EQ(compareNoCase("a", "b"), -1);
  EXPECT_EQ(compareNoCase("b", "A"), 1);
  EXPECT_EQ(compareNoCase("\xE4", "z"), 1);  // unsigned bytes
}

TEST(StringFunctions, FindsCharacters) {
  EXPECT_EQ(findChar("banana", 'n'), 2);
  EXPECT_EQ(findChar("banana", 'x'), -1);
  EXPECT_EQ(findLastChar("banana", 'a'), 5);
  EXPECT_EQ(findCharAfter("banana", 'a', 1), 3);
  EXPECT_EQ(findCharAfter("banana", 'a', 5), -1);
  EXPECT_EQ(findCharAfter("banana", 'b', 0), -1);
}

TEST(StringFunctions, BoundedCopyAlwaysTerminates) {
  char buffer[8];
  copyBounded(buffer, "abcdefghij", 3);
  EXPECT_STREQ(buffer, "abc");
  copyBounded(buffer, "ab", 5);
  EXPECT_STREQ(buffer, "ab");
  char overlap[] = "abcdef";
  moveBytes(overlap + 1, overlap, 4);
  EXPECT_STREQ(overlap, "aabcdf");
}

TEST(ErrorRecorder, SwitchCodesDoNotBecomeTheLastCode) {
  ErrorRecorder::record(7);
  ErrorRecorder::record(ErrorRecorder::kQuitOff);
  ErrorRecorder::record(ErrorRecorder::kMessageOff);
  EXPECT_EQ(ErrorRecorder::lastCode(), 7);
  ErrorRecorder::record(0);
  EXPECT_EQ(ErrorRecorder::lastCode(), 0);
}
