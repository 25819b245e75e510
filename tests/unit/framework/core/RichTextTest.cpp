#include "framework/core/RichText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct RichCase {
  const char* name;
  std::string source;  // may hold 0 bytes inside operands; ends with the ending 0
  std::string stored;
  std::string plain;
};

const std::string kRed("\x01\xFF\x00\x00", 4);
const std::string kBlueBack("\x02\x00\x00\xFF", 4);
const std::string kFontNull("\x03\x00\x00\x00\x00", 5);

TEST(RichText, CopiesWholeOperandsAndStopsAtTheEndingZero) {
  const RichCase cases[] = {
      {"plain", std::string("abc\0def", 7), "abc", "abc"},
      {"colour with zero operand", kRed + "ab" + std::string(1, '\0') + "zz", kRed + "ab", "ab"},
      {"background", "x" + kBlueBack + "y", "x" + kBlueBack + "y", "xy"},
      {"font handle of zeros", kFontNull + "word", kFontNull + "word", "word"},
      {"operand bytes that look like codes", std::string("\x01\x02\x03\x01", 4) + "q",
       std::string("\x01\x02\x03\x01", 4) + "q", "q"},
      {"codes only", kRed + kBlueBack, kRed + kBlueBack, ""},
      {"empty", "", "", ""},
  };
  for (const RichCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string source = c.source + std::string(1, '\0');
    CRichText text;
    text.assign(source.c_str());
    EXPECT_EQ(text.bytes(), c.stored);
    EXPECT_EQ(text.plain(), c.plain);
  }
}

TEST(RichText, NullGivesTheEmptyTextAndReplacesTheOld) {
  CRichText text;
  text.assign("old");
  text.assign(nullptr);
  EXPECT_TRUE(text.bytes().empty());
  EXPECT_EQ(text.plain(), "");
}

TEST(RichText, ShownWordsCarryNoCodes) {
  EXPECT_EQ(CRichText::shown("a\x01" "b\x02\x03"), "a?b??");
  EXPECT_EQ(CRichText::shown(nullptr), "");
}

// The cut of a long run is found in about log2(count) measurements.
TEST(RichText, FittingCountSearchesTheCut) {
  const struct {
    int count, room, fitting;
  } cases[] = {{4000, 3999 * 7, 3999}, {4000, 100000, 4000}, {4000, 6, 1}, {4000, 7, 1}, {4000, 14, 2}, {1, 0, 1}};
  for (const auto& c : cases) {
    int measured = 0;
    int fitting = CRichText::fittingCount(c.count, c.room, [&](int n) {
      ++measured;
      return 7 * n;
    });
    EXPECT_EQ(fitting, c.fitting) << c.count << " in " << c.room;
    EXPECT_LE(measured, 14);
  }
}

TEST(RichText, OperandSizes) {
  EXPECT_EQ(CRichText::operandSize(1), 3);
  EXPECT_EQ(CRichText::operandSize(2), 3);
  EXPECT_EQ(CRichText::operandSize(3), 4);
  EXPECT_EQ(CRichText::operandSize('a'), 0);
  EXPECT_FALSE(CRichText::isCharacter(3));
  EXPECT_TRUE(CRichText::isCharacter(4));
  EXPECT_TRUE(CRichText::isCharacter(0xE4));
}

}  // namespace
