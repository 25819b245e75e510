#include "quiz/drill/TestDraw.h"
#include "quiz/drill/TestGrade.h"
#include "quiz/drill/WordTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>
#include <string>
#include <vector>

namespace {

DWORD fixedClock() { return 1234; }

TEST(TestGrade, FollowsTheFractionOfTenths) {
  const struct {
    int right, total;
    const char* grade;
  } cases[] = {{10, 10, "10 "}, {9, 9, "10 "}, {9, 10, "9 "}, {8, 9, "9-"},     {13, 20, "6\xBD"},
               {33, 40, "8+"},  {41, 100, "4 "}, {4, 10, "4"},  {0, 10, "4"},   {0, 0, "4"},
               {31, 40, "8-"},  {29, 40, "7+"},  {30, 40, "7\xBD"}, {39, 40, "10-"}};
  for (const auto& c : cases) EXPECT_EQ(testGrade(c.right, c.total), c.grade) << c.right << " of " << c.total;
}

// Every count up to the pair count ends, never repeats a pair, and a full
// draw reaches every pair, also beyond what one draw of the source reaches.
TEST(TestDraw, DrawsDifferentPairsOfAnyList) {
  RandomSource random(fixedClock);
  for (int pairs : {1, 7, 32768, 100000}) {
    TestDraw draw;
    ASSERT_TRUE(draw.prepare(pairs));
    for (int count : {pairs, (pairs + 1) / 2}) {
      std::vector<int> ids(count);
      draw.draw(random, count, ids.data());
      std::set<int> distinct(ids.begin(), ids.end());
      EXPECT_EQ(static_cast<int>(distinct.size()), count) << count << " of " << pairs;
      EXPECT_GE(*distinct.begin(), 0);
      EXPECT_LT(*distinct.rbegin(), pairs);
    }
  }
  // A short draw out of a long list reaches its whole range, about as often
  // above one draw's reach as below it.
  TestDraw draw;
  ASSERT_TRUE(draw.prepare(65536));
  std::vector<int> ids(4000);
  draw.draw(random, 4000, ids.data());
  long above = std::count_if(ids.begin(), ids.end(), [](int id) { return id >= 32768; });
  EXPECT_GT(above, 1600);
  EXPECT_LT(above, 2400);
}

TEST(WordTest, ParsesTypedCounts) {
  const struct {
    const char* text;
    int count;
  } cases[] = {{"12", 12}, {" 7 ", 7}, {"+5", 5}, {"", 0}, {"-3", 0}, {"abc", 0}, {"1a", 0}, {"99999999999", INT_MAX}};
  for (const auto& c : cases) EXPECT_EQ(WordTest::parseCount(c.text), c.count) << c.text;
}

// Each answer is judged against the word of its own direction, case
// ignored, and the grid shows each question with its answers.
TEST(WordTest, AsksBothDirectionsAndJudgesEachAnswerInItsOwn) {
  WordList list;
  for (int i = 0; i < 6; ++i)
    list.pairs.append(("sana" + std::to_string(i)).c_str(), ("word" + std::to_string(i)).c_str(), 0);
  RandomSource random(fixedClock);
  WordTest test(list, random);
  ASSERT_EQ(test.start(2, 3), WordTest::kStarted);
  std::vector<bool> seconds;
  for (int asked = 0; test.running(); ++asked) {
    std::string question = test.questionWord().c_str();
    bool second = test.askingSecondWord();
    seconds.push_back(second);
    // The same number, in the other word; the first question answered wrong.
    std::string answer = (second ? "SANA" : "Word") + question.substr(4);
    test.next(asked == 0 ? "wrong" : answer.c_str());
  }
  EXPECT_EQ(seconds, (std::vector<bool>{false, false, true, true, true}));
  EXPECT_EQ(test.rightCount(), 4);
  WordTest::GridRow row;
  test.gridRow(4, &row);  // the first question from the second words
  EXPECT_EQ(std::string(row.question.c_str(), 4), "word");
  EXPECT_EQ(std::string(row.right.c_str(), 4), "sana");
  EXPECT_EQ(row.typed.compareNoCase(row.right.c_str()), 0);
}

TEST(WordTest, RefusesCountsThatAskNothingOrTooMuch) {
  WordList list;
  for (int i = 0; i < 5; ++i) list.pairs.append("sana", "word", 0);
  RandomSource random(fixedClock);
  WordTest test(list, random);
  EXPECT_EQ(test.start(0, 0), WordTest::kNothingAsked);
  EXPECT_EQ(test.start(-4, 0), WordTest::kNothingAsked);
  EXPECT_EQ(test.start(6, 1), WordTest::kNotEnoughWords);
  EXPECT_EQ(test.start(1, 6), WordTest::kNotEnoughWords);
  EXPECT_FALSE(test.running());
  EXPECT_EQ(test.start(-1, 5), WordTest::kStarted);
  EXPECT_TRUE(test.askingSecondWord());
}

}  // namespace
