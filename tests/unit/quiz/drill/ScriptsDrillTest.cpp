// The drill's judging, leniency, marking and help on words in every script,
// where the program's strings are UTF-8.
#include "quiz/drill/AnswerLeniency.h"
#include "quiz/drill/AnswerMarker.h"
#include "quiz/drill/Drill.h"
#include "quiz/drill/WordTest.h"

#include "tests/unit/EncodingScope.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string bytes(const CText& text) { return std::string(text.c_str(), text.length()); }

std::string code(COLORREF value) {
  return std::string{1, static_cast<char>(GetRValue(value)), static_cast<char>(GetGValue(value)),
                     static_cast<char>(GetBValue(value))};
}

class NoEvents : public DrillEvents {
 public:
  void playSound(const char*) override {}
  void showError(UINT) override {}
};

class ScriptsDrillTest : public ::testing::Test {
 protected:
  ScriptsDrillTest() : utf8_(TextEncoding::kUtf8) {
    settings.fontHandle = reinterpret_cast<HFONT>(static_cast<uintptr_t>(0x11223344));
  }

  std::string header() const { return code(settings.BaseColor) + std::string("\x03\x44\x33\x22\x11", 5); }
  std::string marked(const std::string& character, COLORREF color) const {
    return code(color) + character + code(settings.BaseColor);
  }

  EncodingScope utf8_;
  Settings settings;
};

}  // namespace

TEST_F(ScriptsDrillTest, JudgingIgnoresCaseInEveryScriptWithCase) {
  const struct {
    const char* typed;
    const char* expected;
    bool right;
  } cases[] = {
      {u8"ŻÓŁĆ", u8"żółć", true},        {u8"ČEŠTINA", u8"čeština", true}, {u8"istanbul", u8"İstanbul", true},
      {u8"ΨΥΧΉ", u8"ψυχή", true},        {u8"ΟΔΥΣΣΕΥΣ", u8"Οδυσσευς", true}, {u8"ДОМ", u8"дом", true},
      {u8"日本語", u8"日本語", true},    {u8"日本", u8"日本語", false},    {u8"한국어", u8"한국아", false},
      {u8"العربية", u8"العربية", true},  {u8"zolc", u8"żółć", false},      {u8"дом ", u8"дом", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(acceptsAnswer(c.typed, c.expected, Leniency{}), c.right) << c.typed << " for " << c.expected;
    WordList list;
    list.pairs.append("question", c.expected, 1);
    RandomSource random;
    WordTest test(list, random);
    ASSERT_EQ(test.start(1, 0), WordTest::kStarted);
    test.next(c.typed);
    EXPECT_EQ(test.rightCount(), c.right ? 1 : 0) << c.typed << " for " << c.expected;
  }
}

TEST_F(ScriptsDrillTest, LeniencyDropsTheMarksOfLatinGreekAndCyrillicLetters) {
  Leniency leniency;
  leniency.withoutAccents = true;
  const struct {
    const char* typed;
    const char* expected;
    bool accepted;
  } cases[] = {
      {u8"zolc", u8"Żółć", true},     {u8"cestina", u8"čeština", true}, {u8"igne", u8"iğne", true},
      {u8"ελενη", u8"Ελένη", true},    {u8"ωδη", u8"ᾠδή", true},         {u8"елка", u8"ёлка", true},
      {u8"иод", u8"йод", true},        {u8"zólc", u8"żołc", false},      {u8"ясно", u8"ясно", true},
      {u8"か", u8"が", false},         {u8"zolc", u8"Żółć", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(acceptsAnswer(c.typed, c.expected, leniency), c.accepted) << c.typed << " for " << c.expected;
}

TEST_F(ScriptsDrillTest, MarkingColoursWholeCharactersAndLooksAheadInCharacters) {
  const struct {
    const char* typed;
    const char* right;
    std::string yourBody;
    std::string rightBody;
  } cases[] = {
      {u8"λογος", u8"λόγος", u8"λ" + marked(u8"ο", settings.DiffColor) + u8"γος" + code(settings.ExtraColor),
       u8"λ" + marked(u8"ό", settings.DiffColor) + u8"γος"},
      {u8"日日本語", u8"日本語", u8"日" + marked(u8"日", settings.MissingColor) + u8"本語" + code(settings.ExtraColor),
       u8"日本語"},
      {u8"домик", u8"дом", u8"дом" + code(settings.ExtraColor) + u8"ик", u8"дом"},
      {u8"한어", u8"한국어", u8"한어" + code(settings.ExtraColor), u8"한" + marked(u8"국", settings.MissingColor) + u8"어"},
      {"\xFF" "a", "\xFE" "a", marked("\xFF", settings.DiffColor) + "a" + code(settings.ExtraColor),
       marked("\xFE", settings.DiffColor) + "a"},
  };
  AnswerMarker marker(settings);
  for (const auto& c : cases) {
    CText rightLine, yourLine;
    marker.build(c.typed, c.right, nullptr, &rightLine, &yourLine);
    EXPECT_EQ(bytes(yourLine), "Your Answer: " + header() + c.yourBody) << c.typed;
    EXPECT_EQ(bytes(rightLine), "Right Answer: " + header() + c.rightBody) << c.typed;
  }
  settings.leniency.withoutAccents = true;
  CText rightLine, yourLine;
  marker.build(u8"елка", u8"ёлка", nullptr, &rightLine, &yourLine);
  EXPECT_EQ(bytes(yourLine), "Your Answer: " + header() + marked(u8"е", settings.RightColor) + u8"лка" +
                                 code(settings.ExtraColor));
}

TEST_F(ScriptsDrillTest, HelpGivesOneMoreWholeCharacterAndAnotherPairIsFoundWithoutCase) {
  WordList list;
  list.pairs.append(u8"мир", u8"平和", 1);
  list.pairs.append(u8"МИР", u8"世界", 1);
  NoEvents events;
  RandomSource random;
  settings.setAskSecond(false);
  Drill drill(list, settings, events, random);
  DrillDisplay display;
  ASSERT_TRUE(drill.restart(&display));
  CText question, answer;
  ASSERT_TRUE(list.pairs.copyPair(drill.state().currentId, &question, &answer));
  CText hint;
  ASSERT_TRUE(drill.giveHelp("", &hint));
  EXPECT_EQ(bytes(hint), std::string(answer.c_str(), 3));
  ASSERT_TRUE(drill.giveHelp(answer.c_str(), &hint));
  EXPECT_EQ(bytes(hint), bytes(answer));
  const char* other = bytes(answer) == u8"平和" ? u8"世界" : u8"平和";
  ASSERT_TRUE(drill.check(other));
  EXPECT_EQ(drill.state().lastResult, RightByOtherPair);
}
