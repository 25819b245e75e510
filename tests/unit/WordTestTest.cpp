#include "quiz/TestDraw.h"
#include "quiz/TestGrade.h"
#include "quiz/WordTest.h"

#include <gtest/gtest.h>

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
               {33, 40, "8+"},  {41, 100, "4 "}, {4, 10, "4"},  {0, 10, "4"},   {0, 0, "4"}};
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
}

TEST(WordTest, ParsesTypedCounts) {
  const struct {
    const char* text;
    int count;
  } cases[] = {{"12", 12}, {" 7 ", 7}, {"+5", 5}, {"", 0}, {"-3", 0}, {"abc", 0}, {"1a", 0}, {"99999999999", INT_MAX}};
  for (const auto& c : cases) EXPECT_EQ(WordTest::parseCount(c.text), c.count) << c.text;
}

class WordTestTest : public ::testing::Test {
 protected:
  void SetUp() override {
    list_.firstLanguage = "English";
    list_.secondLanguage = "Finnish";
    const char* const words[][2] = {{"cat", "kissa"}, {"dog", "koira"}, {"water", "vesi"},
                                    {"bread", "leipa"}, {"window", "ikkuna"}};
    for (const auto& pair : words) list_.pairs.append(pair[0], pair[1], 0);
  }

  // The right word of the question asked now, with its first letter upper
  // case; plus suffix.
  std::string rightAnswer(const char* suffix = "") {
    CText question = test_.questionWord(), first, second;
    for (int id = 0; id < list_.pairs.count(); ++id) {
      list_.pairs.copyPair(id, &first, &second);
      if (test_.askingSecondWord() ? second == question : first == question) {
        std::string answer = test_.askingSecondWord() ? first.c_str() : second.c_str();
        answer[0] = static_cast<char>(answer[0] - 'a' + 'A');
        return answer + suffix;
      }
    }
    ADD_FAILURE() << "no pair asks " << question.c_str();
    return "";
  }

  WordList list_;
  RandomSource random_{fixedClock};
  WordTest test_{list_, random_};
};

TEST_F(WordTestTest, RefusesCountsThatAskNothingOrTooMuch) {
  EXPECT_EQ(test_.start(0, 0), WordTest::kNothingAsked);
  EXPECT_EQ(test_.start(-4, 0), WordTest::kNothingAsked);
  EXPECT_EQ(test_.start(6, 1), WordTest::kNotEnoughWords);
  EXPECT_EQ(test_.start(1, 6), WordTest::kNotEnoughWords);
  EXPECT_FALSE(test_.running());
}

// Every pair once in each direction; case does not matter, a trailing space
// does; the grid lists every row under its heading.
TEST_F(WordTestTest, AsksEveryPairOnceAndCountsTheRightAnswers) {
  ASSERT_EQ(test_.start(5, 5), WordTest::kStarted);
  std::set<std::string> asked;
  for (int i = 0; i < 10; ++i) {
    ASSERT_TRUE(test_.running());
    EXPECT_EQ(test_.askingSecondWord(), i >= 5);
    EXPECT_EQ(test_.questionNumber(), i % 5 + 1);
    EXPECT_EQ(test_.directionCount(), 5);
    EXPECT_EQ(test_.questionLanguage(), i < 5 ? "English" : "Finnish");
    asked.insert(test_.questionWord().c_str());
    EXPECT_EQ(test_.next(rightAnswer(i == 9 ? " " : "").c_str()), i < 9);
  }
  EXPECT_EQ(asked.size(), 10u);
  EXPECT_FALSE(test_.running());
  EXPECT_EQ(test_.rightCount(), 9);
  EXPECT_EQ(test_.resultText(true), "Right answers: 9 / 10. Number 9 . Do you want see answers?");
  EXPECT_EQ(test_.resultText(false), "Right answers: 9 / 10. Do you want see answers?");

  ASSERT_EQ(test_.gridEntryCount(), 12);
  WordTest::GridRow row;
  test_.gridRow(0, &row);
  EXPECT_EQ(row.question, "Question (English):");
  EXPECT_EQ(row.typed, "Your Answer (Finnish):");
  EXPECT_EQ(row.right, "Right Answer (Finnish):");
  test_.gridRow(6, &row);
  EXPECT_EQ(row.question, "Question (Finnish):");
  EXPECT_EQ(row.right, "Right Answer (English):");
  test_.gridRow(11, &row);
  EXPECT_EQ(row.typed.compareNoCase((std::string(row.right.c_str()) + " ").c_str()), 0);
  EXPECT_EQ(asked.count(row.question.c_str()), 1u);
}

TEST_F(WordTestTest, AsksOnlyTheSecondDirectionWhenTheFirstCountIsNothing) {
  ASSERT_EQ(test_.start(-2, 2), WordTest::kStarted);
  EXPECT_TRUE(test_.askingSecondWord());
  EXPECT_EQ(test_.answerLanguage(), "English");
  EXPECT_TRUE(test_.next("x"));
  EXPECT_FALSE(test_.next(rightAnswer().c_str()));
  EXPECT_EQ(test_.rightCount(), 1);
  EXPECT_EQ(test_.resultText(true), "Right answers: 1 / 2. Number 5 . Do you want see answers?");
}

}  // namespace
