#include "quiz/drill/AnswerMarker.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string bytes(const CText& text) { return std::string(text.c_str(), text.length()); }

std::string code(char kind, COLORREF value) {
  return std::string{kind, static_cast<char>(GetRValue(value)), static_cast<char>(GetGValue(value)),
                     static_cast<char>(GetBValue(value))};
}

class AnswerMarkerTest : public ::testing::Test {
 public:
  AnswerMarkerTest() { settings.fontHandle = reinterpret_cast<HFONT>(static_cast<uintptr_t>(0x11223344)); }

  std::string font() const { return std::string("\x03\x44\x33\x22\x11", 5); }
  std::string header() const { return code(1, settings.BaseColor) + font(); }
  std::string extra() const { return code(1, settings.ExtraColor); }
  std::string missing(char c) const {
    if (c == ' ') return code(2, settings.MissingColor) + c + code(2, RGB(192, 192, 192));
    return code(1, settings.MissingColor) + c + code(1, settings.BaseColor);
  }
  std::string diff(char c) const { return code(1, settings.DiffColor) + c + code(1, settings.BaseColor); }

  void build(const char* typed, const char* right, const char* other = nullptr) {
    AnswerMarker marker(settings);
    marker.build(typed, right, other, &rightLine, &yourLine);
  }

  Settings settings;
  CText rightLine;
  CText yourLine;
};

TEST_F(AnswerMarkerTest, ColouredLinesMarkEveryDifference) {
  struct Case {
    const char* typed;
    const char* right;
    std::string yourBody;
    std::string rightBody;
  };
  const AnswerMarkerTest& t = *this;
  const Case cases[] = {
      {"house", "house", "house" + t.extra(), "house"},
      {"hoouse", "house", "ho" + t.missing('o') + "use" + t.extra(), "house"},
      {"huse", "house", "huse" + t.extra(), "h" + t.missing('o') + "use"},
      {"hause", "house", "h" + t.diff('a') + "use" + t.extra(), "h" + t.diff('o') + "use"},
      {"houses", "house", "house" + t.extra() + "s", "house"},
      {"hous", "house", "hous", "hous" + t.extra() + "e"},
      {"House", "house", t.diff('H') + "ouse" + t.extra(), t.diff('h') + "ouse"},
      {"ab", "b", t.missing('a') + "b" + t.extra(), "b"},
      {"the  house", "the house", "the " + t.missing(' ') + "house" + t.extra(), "the house"},
      {"the house", "the  house", "the house" + t.extra(), "the " + t.missing(' ') + "house"},
      {"", "house", "", t.extra() + "house"},
      {"", "", t.extra(), ""},
      {"a b", "axb", "a" + t.diff(' ') + "b" + t.extra(), "a" + t.diff('x') + "b"},
      {"hosue", "house", "ho" + t.diff('s') + t.diff('u') + "e" + t.extra(), "ho" + t.diff('u') + t.diff('s') + "e"},
      {"a\x01", "a\x03", "a?" + t.extra(), "a?"},  // code bytes never reach the control
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " / " + c.right);
    build(c.typed, c.right);
    EXPECT_EQ(bytes(yourLine), "Your Answer: " + header() + c.yourBody);
    EXPECT_EQ(bytes(rightLine), "Right Answer: " + header() + c.rightBody);
  }
}

TEST_F(AnswerMarkerTest, ExtraCharacterIsPreferredWhenBothReadingsFit) {
  build("xab", "ab");
  EXPECT_EQ(bytes(yourLine), "Your Answer: " + header() + missing('x') + "ab" + extra());
  build("aab", "ab");
  EXPECT_EQ(bytes(yourLine), "Your Answer: " + header() + "a" + missing('a') + "b" + extra());
  EXPECT_EQ(bytes(rightLine), "Right Answer: " + header() + "ab");
}

TEST_F(AnswerMarkerTest, UsesTheColoursOfTheSettings) {
  settings.BaseColor = RGB(1, 2, 3);
  settings.DiffColor = RGB(4, 5, 6);
  settings.MissingColor = RGB(7, 8, 9);
  settings.ExtraColor = RGB(10, 11, 12);
  build("hxuse!", "hous");
  EXPECT_EQ(bytes(yourLine), "Your Answer: " + header() + "h" + diff('x') + "us" + extra() + "e!");
  EXPECT_EQ(bytes(yourLine).substr(13, 4), std::string("\x01\x01\x02\x03", 4));
}

TEST_F(AnswerMarkerTest, AnotherPairsAnswerIsMarkedAfterTheAnswerAsked) {
  build("buildin", "house", "building");
  EXPECT_EQ(bytes(rightLine), "Right Answer: house / " + header() + "buildin" + extra() + "g");
  EXPECT_EQ(bytes(yourLine), "Your Answer: " + header() + "buildin");
}

TEST_F(AnswerMarkerTest, WithoutColoursTheTextsFollowTheFont) {
  settings.Status = Settings::kAutoSave | Settings::kSkipRightAnswers;
  build("HOUSE", "house");
  EXPECT_EQ(bytes(yourLine), "Your Answer: " + font() + "HOUSE");
  EXPECT_EQ(bytes(rightLine), "Right Answer: " + font() + "house");
  build("building", "house", "building");
  EXPECT_EQ(bytes(rightLine), "Right Answer: " + font() + "house / building");
  build("", "");
  EXPECT_EQ(bytes(yourLine), "Your Answer: " + font());
  EXPECT_EQ(bytes(rightLine), "Right Answer: " + font());
}

TEST_F(AnswerMarkerTest, LongAnswersGrowTheLines) {
  std::string typed(4000, 'a'), right(4000, 'b');
  build(typed.c_str(), right.c_str());
  EXPECT_EQ(yourLine.length(), 13u + 9u + 9u * 4000u + 4u);
  EXPECT_EQ(rightLine.length(), 14u + 9u + 9u * 4000u);
  EXPECT_EQ(bytes(yourLine).substr(22, 9), diff('a'));
  EXPECT_EQ(bytes(rightLine).substr(rightLine.length() - 9), diff('b'));
}

TEST(SettingsTest, RecordStartsWithItsDefaults) {
  Settings settings;
  EXPECT_EQ(settings.Status, 7u);
  EXPECT_EQ(settings.AutoSaveTime, 300);
  EXPECT_STREQ(settings.PlayFile1.c_str(), "Right.wav");
  EXPECT_STREQ(settings.PlayFile2.c_str(), "Wrong.wav");
  EXPECT_TRUE(settings.FilePath.empty());
  EXPECT_EQ(settings.BaseColor, 0x000000u);
  EXPECT_EQ(settings.RightColor, 0xFF0000u);
  EXPECT_EQ(settings.WrongColor, 0x0000FFu);
  EXPECT_EQ(settings.DiffColor, 0x0000FFu);
  EXPECT_EQ(settings.MissingColor, 0x800080u);
  EXPECT_EQ(settings.ExtraColor, 0xA00000u);
  EXPECT_TRUE(settings.askSecond());
  EXPECT_FALSE(settings.modified());
  EXPECT_EQ(sizeof settings.Font, 60u);
  EXPECT_EQ(settings.Font.lfHeight, -11);
  EXPECT_EQ(settings.Font.lfWeight, 400);
  EXPECT_EQ(settings.Font.lfOutPrecision, 1);
  EXPECT_EQ(settings.Font.lfClipPrecision, 2);
  EXPECT_EQ(settings.Font.lfQuality, 1);
  EXPECT_EQ(settings.Font.lfPitchAndFamily, 34);
  EXPECT_STREQ(settings.Font.lfFaceName, "MS Sans Serif");
}

TEST(SettingsTest, ResettingRunTimeFlagsAsksTheSecondWordAgain) {
  Settings settings;
  settings.setAskSecond(false);
  settings.setModified(true);
  settings.helpUsed = 1;
  settings.autoSaveCounter = 55;
  settings.resetRunTimeFlags();
  EXPECT_TRUE(settings.askSecond());
  EXPECT_FALSE(settings.modified());
  EXPECT_EQ(settings.helpUsed, 0);
  EXPECT_EQ(settings.autoSaveCounter, 0);
}

}  // namespace
