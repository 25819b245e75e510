#include "quiz/drill/Drill.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

DWORD clockSeconds = 1000;
DWORD testClock() { return clockSeconds; }
const unsigned kToday = 19500;
unsigned testDay() { return kToday; }

class RecordingEvents : public DrillEvents {
 public:
  void playSound(const char* fileName) override { sounds.push_back(fileName); }
  void showError(UINT messageId) override { errors.push_back(messageId); }
  std::vector<std::string> sounds;
  std::vector<UINT> errors;
};

struct Pair {
  const char* first;
  const char* second;
  unsigned char mark;
};

std::string bytes(const CText& text) { return std::string(text.c_str(), text.length()); }

std::string color(COLORREF value) {
  return std::string{1, static_cast<char>(GetRValue(value)), static_cast<char>(GetGValue(value)),
                     static_cast<char>(GetBValue(value))};
}

const std::string kFont("\x03\x44\x33\x22\x11", 5);

class DrillTest : public ::testing::Test {
 protected:
  void SetUp() override {
    clockSeconds = 1000;
    settings.Status = Settings::kUseColors;
    settings.fontHandle = reinterpret_cast<HFONT>(static_cast<uintptr_t>(0x11223344));
    list.firstLanguage = "Finnish";
    list.secondLanguage = "English";
  }

  void start(std::initializer_list<Pair> pairs, bool askSecond = false) {
    for (const Pair& pair : pairs) list.pairs.append(pair.first, pair.second, pair.mark);
    settings.setAskSecond(askSecond);
    drill = std::make_unique<Drill>(list, settings, events, random, testDay);
    ASSERT_TRUE(drill->restart(&display));
  }

  // Checks typed and takes the next question, as the window does.
  void answer(const char* typed) {
    ASSERT_TRUE(drill->check(typed));
    ASSERT_TRUE(drill->nextQuestion(&display));
  }

  // Answers the current question right.
  void answerRight() {
    CText first, second;
    ASSERT_TRUE(list.pairs.copyPair(drill->state().currentId, &first, &second));
    answer(settings.askSecond() ? first.c_str() : second.c_str());
  }

  // Gives the list the pairs with these ids in this order, as the word list
  // window does when it closes (the pairs left out are gone), and goes on
  // as the quiz window does then.
  void rebuild(const std::vector<int>& ids) {
    std::vector<WordPair*> nodes;
    for (int id : ids) nodes.push_back(list.pairs.pairAt(id));
    list.pairs.relink(nodes);
    ASSERT_TRUE(drill->reshuffle(&display));
  }

  std::string lines() const {
    return bytes(display.resultLine) + "|" + bytes(display.rightLine) + "|" + bytes(display.yourLine);
  }

  std::vector<int> order() const {
    const QuizState& state = drill->state();
    return std::vector<int>(state.order.get(), state.order.get() + state.count);
  }

  WordList list;
  Settings settings;
  RecordingEvents events;
  RandomSource random{testClock};
  std::unique_ptr<Drill> drill;
  DrillDisplay display;
};

TEST(RandomSourceTest, DrawsFollowTheGeneratorFromItsSeed) {
  RandomSource random;
  random.seed(1);
  std::vector<int> draws;
  for (int i = 0; i < 5; ++i) draws.push_back(random.draw());
  EXPECT_EQ(draws, (std::vector<int>{41, 18467, 6334, 26500, 19169}));
  random.seed(1);
  EXPECT_EQ(random.drawWide(), (41u << 15) | 18467u);
}

TEST(RandomSourceTest, ReseedTakesTheClock) {
  clockSeconds = 1;
  RandomSource random(testClock);
  random.seed(77);
  random.reseed();
  EXPECT_EQ(random.draw(), 41);
}

TEST_F(DrillTest, ShufflePlacesMarkedPairsByDrawsFromTheClockSeed) {
  start({{"a", "A", 1}, {"b", "B", 1}, {"c", "C", 1}, {"d", "D", 1},
         {"e", "E", 1}, {"f", "F", 1}, {"g", "G", 1}, {"h", "H", 1}});
  EXPECT_EQ(order(), (std::vector<int>{0, 2, 5, 6, 7, 1, 3, 4}));
  // After a reset pair 0 counts as the one asked before, so it is passed over.
  EXPECT_EQ(drill->state().currentId, 2);
  EXPECT_EQ(drill->state().position, 2);
  EXPECT_EQ(drill->state().answeredCount, 0);
}

TEST_F(DrillTest, ShuffleTakesOnlyMarkedPairs) {
  start({{"a", "A", 1}, {"b", "B", 0}, {"c", "C", 1}, {"d", "D", 1},
         {"e", "E", 0}, {"f", "F", 1}, {"g", "G", 1}});
  EXPECT_EQ(order(), (std::vector<int>{6, 2, 5, 3, 0}));
}

TEST_F(DrillTest, ShufflesInTheSameSecondGiveTheSameOrder) {
  start({{"a", "A", 1}, {"b", "B", 1}, {"c", "C", 1}, {"d", "D", 1}, {"e", "E", 1}});
  std::vector<int> first = order();
  ASSERT_TRUE(drill->shuffle());
  EXPECT_EQ(order(), first);
  clockSeconds = 1001;
  ASSERT_TRUE(drill->shuffle());
  EXPECT_NE(order(), first);
}

TEST_F(DrillTest, ShuffleOfMoreMarkedPairsThanOneDrawReachesEndsWithEveryPair) {
  const int kPairs = 70000;
  for (int i = 0; i < kPairs; ++i) list.pairs.append("w", "v", 1);
  drill = std::make_unique<Drill>(list, settings, events, random);
  ASSERT_TRUE(drill->shuffle());
  std::vector<int> ids = order();
  ASSERT_EQ(ids.size(), static_cast<size_t>(kPairs));
  EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size(), static_cast<size_t>(kPairs));
  int beyondOneDraw = 0;
  for (int i = 32768; i < kPairs; ++i) beyondOneDraw += ids[i] != -1;
  EXPECT_EQ(beyondOneDraw, kPairs - 32768);
  EXPECT_NE(ids.front(), 0);
}

// The wide shuffle is one backward pass of swaps with wide draws, modelled
// here from the generator's rule alone: a biased or shortened pass gives
// another order.
TEST_F(DrillTest, WideShuffleFollowsTheDrawsExactly) {
  const int kPairs = 60000;  // 40,000 marked
  for (int i = 0; i < kPairs; ++i) list.pairs.append("w", "v", i % 3 != 1);
  drill = std::make_unique<Drill>(list, settings, events, random);
  ASSERT_TRUE(drill->shuffle());
  std::vector<int> expected;
  for (int i = 0; i < kPairs; ++i)
    if (i % 3 != 1) expected.push_back(i);
  uint32_t state = clockSeconds;
  auto draw = [&] {
    state = state * 214013u + 2531011u;
    return (state >> 16) & 0x7FFFu;
  };
  for (int i = static_cast<int>(expected.size()) - 1; i > 0; --i) {
    uint32_t high = draw();
    uint32_t wide = (high << 15) | draw();
    std::swap(expected[i], expected[wide % static_cast<uint32_t>(i + 1)]);
  }
  EXPECT_EQ(order(), expected);
}

// A pair answered right just before a reshuffle can land at the very next
// position of the new order; it leaves the drill all the same.
TEST_F(DrillTest, ADroppedPairAtTheNextPositionOfANewOrderIsNotAsked) {
  settings.Status = Settings::kSkipRightAnswers;
  int exactlyNext = 0;
  for (int seed = 0; seed < 400 && exactlyNext < 3; ++seed) {
    clockSeconds = 1000 + seed;
    list.pairs.clear();
    start({{"a", "A", 1}, {"b", "B", 1}, {"c", "C", 1}, {"d", "D", 1}});
    while (drill->state().position < drill->state().count) answer("wrong");
    int dropped = drill->state().currentId;
    clockSeconds = 5000 + seed;
    answerRight();  // the last of the round: a new order follows
    const QuizState& state = drill->state();
    if (state.position >= state.count || state.order[state.position] != dropped) continue;
    ++exactlyNext;
    answer("wrong");
    EXPECT_EQ(list.pairs.markOf(dropped), 0);
    EXPECT_NE(drill->state().currentId, dropped) << "seed " << seed;
    EXPECT_EQ(drill->state().count, 3);
  }
  EXPECT_EQ(exactlyNext, 3);
}

TEST_F(DrillTest, EveryPairIsAskedOnceARound) {
  start({{"a", "A", 1}, {"b", "B", 1}, {"c", "C", 1}, {"d", "D", 1}, {"e", "E", 1}, {"f", "F", 1}});
  std::set<int> asked{drill->state().currentId};
  for (int i = 0; i < 5; ++i) {
    answer("wrong");
    asked.insert(drill->state().currentId);
  }
  EXPECT_EQ(asked.size(), 6u);
}

TEST_F(DrillTest, NeverTheSamePairTwiceInARow) {
  for (int pairs = 2; pairs <= 4; ++pairs) {
    SCOPED_TRACE(pairs);
    list.pairs.clear();
    start({});
    for (int i = 0; i < pairs; ++i) list.pairs.append("x", "y", 1);
    ASSERT_TRUE(drill->restart(&display));
    for (int round = 0; round < 40; ++round) {
      if (round % 7 == 0) ++clockSeconds;
      int before = drill->state().currentId;
      answer("wrong");
      EXPECT_NE(drill->state().currentId, before);
    }
  }
}

TEST_F(DrillTest, TheOnlyMarkedPairIsAskedAfterEveryCheck) {
  start({{"a", "A", 0}, {"b", "B", 1}});
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(drill->state().currentId, 1);
    answer("B");
  }
  EXPECT_EQ(drill->state().rightCount, 3);
}

TEST_F(DrillTest, NoMarkedPairsAskNothing) {
  settings.Status = 0;
  start({{"a", "A", 0}});
  EXPECT_EQ(drill->state().currentId, -1);
  EXPECT_EQ(bytes(display.questionWord), "No selected words in wordlist.");
  EXPECT_EQ(bytes(display.questionLabel), "");
  EXPECT_EQ(bytes(display.pointsLine), "Points 0 / 0 Selected 0 / 1");
  answer("A");
  EXPECT_EQ(drill->state().answeredCount, 0);
  EXPECT_EQ(drill->state().rightCount, 0);
  CText hint("unchanged");
  EXPECT_FALSE(drill->giveHelp("", &hint));
  EXPECT_EQ(bytes(hint), "unchanged");
  EXPECT_TRUE(events.sounds.empty());
}

TEST_F(DrillTest, JudgesIgnoringCaseButNotSpaces) {
  struct Case {
    const char* typed;
    AnswerResult result;
  } cases[] = {{"house", Right}, {"HOUSE", Right}, {" house", Wrong}, {"house ", Wrong}, {"hous", Wrong},
               {"", Wrong}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    list.pairs.clear();
    start({{"talo", "house", 1}});
    ASSERT_TRUE(drill->check(c.typed));
    EXPECT_EQ(drill->state().lastResult, c.result);
    EXPECT_EQ(drill->state().rightCount, c.result == Right ? 1 : 0);
  }
}

TEST_F(DrillTest, AnotherMarkedPairWithTheSameQuestionWordCounts) {
  start({{"talo", "building", 1}, {"talo", "house", 1}, {"talo", "home", 0}});
  ASSERT_EQ(drill->state().currentId, 1);
  ASSERT_TRUE(drill->check("Building"));
  EXPECT_EQ(drill->state().lastResult, RightByOtherPair);
  EXPECT_EQ(drill->state().otherPairId, 0);
  EXPECT_EQ(drill->state().rightCount, 1);
  EXPECT_EQ(events.sounds, (std::vector<std::string>{"Right.wav"}));

  ASSERT_TRUE(drill->nextQuestion(&display));
  ASSERT_EQ(drill->state().currentId, 0);
  ASSERT_TRUE(drill->check("home"));
  EXPECT_EQ(drill->state().lastResult, Wrong);
}

TEST_F(DrillTest, TheOtherPairIsFoundInTheAskedDirection) {
  start({{"building", "talo", 1}, {"house", "talo", 1}}, true);
  ASSERT_EQ(drill->state().currentId, 1);
  ASSERT_TRUE(drill->check("building"));
  EXPECT_EQ(drill->state().lastResult, RightByOtherPair);
  EXPECT_EQ(drill->state().otherPairId, 0);
}

TEST_F(DrillTest, PlaysTheSoundOfTheResultWhenItHasAName) {
  start({{"a", "A", 1}, {"b", "B", 1}});
  answerRight();
  answer("nothing");
  settings.PlayFile1.clear();
  answerRight();
  EXPECT_EQ(events.sounds, (std::vector<std::string>{"Right.wav", "Wrong.wav"}));
}

TEST_F(DrillTest, RightAnswerWithoutHelpUnmarksThePairAtTheNextCheck) {
  settings.Status = Settings::kSkipRightAnswers;
  start({{"a", "A", 1}, {"b", "B", 1}, {"c", "C", 1}, {"d", "D", 1}});
  int first = drill->state().currentId;
  answerRight();
  EXPECT_FALSE(drill->askPrevious());
  EXPECT_EQ(list.pairs.countMarked(), 4);
  answer("wrong");
  EXPECT_EQ(list.pairs.markOf(first), 0);
  EXPECT_EQ(list.pairs.countMarked(), 3);
  EXPECT_EQ(drill->state().count, 3);
  EXPECT_TRUE(drill->askPrevious());
  answer("wrong");
  EXPECT_EQ(list.pairs.countMarked(), 3);
  EXPECT_EQ(bytes(display.pointsLine), "Points 1 / 3 Selected 3 / 4");
}

TEST_F(DrillTest, TheFirstCheckNeverUnmarks) {
  start({{"a", "A", 1}, {"b", "B", 1}, {"c", "C", 1}});
  drill->toggleAskPrevious();
  answer("wrong");
  EXPECT_EQ(list.pairs.countMarked(), 3);
  EXPECT_EQ(drill->state().count, 3);
}

TEST_F(DrillTest, AskPreviousStaysCheckedAfterHelpOrAnotherPairsAnswer) {
  settings.Status = Settings::kSkipRightAnswers;
  start({{"talo", "house", 1}, {"talo", "building", 1}, {"c", "C", 1}});
  answer("wrong");
  CText hint;
  ASSERT_TRUE(drill->giveHelp("", &hint));
  answerRight();
  EXPECT_TRUE(drill->askPrevious());
  EXPECT_EQ(settings.helpUsed, 0);
  drill->toggleAskPrevious();
  EXPECT_FALSE(drill->askPrevious());
  EXPECT_TRUE(settings.modified());
  answer("wrong");
  EXPECT_EQ(list.pairs.countMarked(), 2);
}

TEST_F(DrillTest, CheckingAskPreviousInBetweenKeepsThePair) {
  settings.Status = Settings::kSkipRightAnswers;
  start({{"a", "A", 1}, {"b", "B", 1}, {"c", "C", 1}});
  answer("wrong");
  answerRight();
  drill->toggleAskPrevious();
  answer("wrong");
  EXPECT_EQ(list.pairs.countMarked(), 3);
}

TEST_F(DrillTest, ADroppedPairWaitingInTheNextOrderIsNotAskedAgain) {
  settings.Status = Settings::kSkipRightAnswers;
  start({{"a", "A", 1}, {"b", "B", 1}, {"c", "C", 1}});
  answer("wrong");
  answer("wrong");
  ASSERT_EQ(drill->state().position, 3);
  int dropped = drill->state().currentId;
  answerRight();  // the round ends here: the next question comes from a new order
  answer("wrong");
  ASSERT_EQ(list.pairs.markOf(dropped), 0);
  for (int i = 0; i < 6; ++i) {
    EXPECT_NE(drill->state().currentId, dropped);
    answer("wrong");
  }
}

// The word list window gives the pairs back in its own order, and ids are
// places in the list: the latest answer goes where its pair went, and the
// next check drops that pair. When the pair is gone, or the pair whose
// answer made the answer right, the answer is forgotten: empty lines, and
// nothing for Ask Previous to keep or drop until the next check.
TEST_F(DrillTest, TheLatestAnswerFollowsItsPairOrIsForgotten) {
  settings.Status = Settings::kSkipRightAnswers;
  start({{"kissa", "cat", 1}, {"koira", "dog", 1}, {"tori", "market square", 1}, {"tuuli", "wind", 1}});
  int asked = drill->state().currentId;
  answerRight();
  std::string shown = lines();
  rebuild({3, 2, 1, 0});
  EXPECT_EQ(lines(), shown);
  EXPECT_NE(drill->state().currentId, 3 - asked);
  answer("wrong");
  for (int id = 0; id < 4; ++id) EXPECT_EQ(list.pairs.markOf(id), id == 3 - asked ? 0 : 1) << id;

  answerRight();
  std::vector<int> others;
  for (int id = 0; id < 4; ++id)
    if (id != drill->state().previousId) others.push_back(id);
  rebuild(others);
  const std::string kEmptyLines = "|Right Answer: " + kFont + "|Your Answer: " + kFont;
  EXPECT_EQ(lines(), kEmptyLines);
  EXPECT_FALSE(drill->canAskPrevious());
  drill->toggleAskPrevious();
  EXPECT_TRUE(drill->askPrevious());
  answer("wrong");
  EXPECT_EQ(list.pairs.countMarked(), 2);
  EXPECT_EQ(drill->state().count, 2);
  EXPECT_TRUE(drill->canAskPrevious());

  list.pairs.clear();
  start({{"talo", "building", 1}, {"talo", "house", 1}, {"auto", "car", 1}});
  while (drill->state().currentId != 1) answer("");
  answer("building");
  shown = lines();
  rebuild({2, 0, 1});
  EXPECT_EQ(lines(), shown);
  rebuild({0, 2});
  EXPECT_EQ(lines(), kEmptyLines);
}

TEST_F(DrillTest, HintRevealsUpToTheFirstDifference) {
  struct Case {
    const char* typed;
    const char* hint;
  } cases[] = {{"", "h"}, {"hpuse", "ho"}, {"Hou", "h"}, {"hou", "hous"}, {"house", "house"},
               {"houses and more", "house"}};
  start({{"talo", "house", 1}});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    settings.helpUsed = 0;
    CText hint;
    ASSERT_TRUE(drill->giveHelp(c.typed, &hint));
    EXPECT_EQ(bytes(hint), c.hint);
    EXPECT_EQ(settings.helpUsed, 1);
  }
}

TEST_F(DrillTest, QuestionLabelNamesTheLanguageOfTheAnswer) {
  start({{"talo", "house", 1}});
  EXPECT_EQ(bytes(display.questionWord), "talo");
  EXPECT_EQ(bytes(display.questionLabel), "What is in English");
  drill->setDirection(true);
  ASSERT_TRUE(drill->reshuffle(&display));
  EXPECT_EQ(bytes(display.questionWord), "house");
  EXPECT_EQ(bytes(display.questionLabel), "What is in Finnish");
  list.firstLanguage = "dutch";
  ASSERT_TRUE(drill->refresh(&display));
  EXPECT_EQ(bytes(display.questionLabel), "What is");
  list.firstLanguage = "ENGLISH";
  ASSERT_TRUE(drill->refresh(&display));
  EXPECT_EQ(bytes(display.questionLabel), "What is in English");
}

TEST_F(DrillTest, ResultLineCarriesColoursAndTheUserFont) {
  start({{"auto", "car", 1}, {"talo", "house", 1}});
  EXPECT_EQ(bytes(display.resultLine), "");
  answer("house");
  EXPECT_EQ(bytes(display.resultLine),
            color(settings.RightColor) + "Right!" + color(settings.BaseColor) + kFont + " (talo)");
  answer("bus");
  EXPECT_EQ(bytes(display.resultLine),
            color(settings.WrongColor) + "Wrong!" + color(settings.BaseColor) + kFont + " (auto)");
  settings.Status = 0;
  ASSERT_TRUE(drill->refresh(&display));
  EXPECT_EQ(bytes(display.resultLine), "Wrong!" + kFont + " (auto)");
  EXPECT_EQ(bytes(display.pointsLine), "Points 1 / 2 Selected 2 / 2");
}

TEST_F(DrillTest, AnswerLinesShowTheAnswerOfThePairAskedBefore) {
  settings.Status = 0;
  start({{"talo", "building", 1}, {"talo", "house", 1}});
  EXPECT_EQ(bytes(display.rightLine), "Right Answer: " + kFont);
  EXPECT_EQ(bytes(display.yourLine), "Your Answer: " + kFont);
  answer("BUILDING");
  EXPECT_EQ(bytes(display.rightLine), "Right Answer: " + kFont + "house / building");
  EXPECT_EQ(bytes(display.yourLine), "Your Answer: " + kFont + "BUILDING");
}

TEST_F(DrillTest, LongAnswersAreCutToTheAnswerBoxLimit) {
  start({{"talo", "house", 1}});
  std::string typed(Drill::kAnswerLimit + 500, 'x');
  ASSERT_TRUE(drill->check(typed.c_str()));
  EXPECT_EQ(drill->state().lastAnswer.length(), static_cast<unsigned>(Drill::kAnswerLimit));
  CText hint;
  ASSERT_TRUE(drill->giveHelp(typed.c_str(), &hint));
  EXPECT_EQ(bytes(hint), "h");
}

TEST_F(DrillTest, ResetStartsThePointsAgain) {
  start({{"a", "A", 1}, {"b", "B", 1}});
  answerRight();
  ASSERT_TRUE(drill->restart(&display));
  const QuizState& state = drill->state();
  EXPECT_EQ(state.rightCount, 0);
  EXPECT_EQ(state.answeredCount, 0);
  EXPECT_EQ(state.lastResult, NoAnswer);
  EXPECT_TRUE(state.lastAnswer.empty());
  EXPECT_EQ(bytes(display.resultLine), "");
}

}  // namespace

// The pair answered wrong takes a right answer instead, and leaves the drill
// at the next check as a pair answered right does.
TEST_F(DrillTest, CountAsRightTurnsTheLatestWrongAnswerIntoARightOne) {
  settings.Status = Settings::kUseColors | Settings::kSkipRightAnswers;
  settings.rememberAnswers = true;
  start({{"talo", "house", 1}, {"kissa", "cat", 1}, {"koira", "dog", 1}});
  EXPECT_FALSE(drill->canCountAsRight());
  answerRight();
  EXPECT_FALSE(drill->canCountAsRight());
  int asked = drill->state().currentId;
  CText question, expected;
  list.pairs.copyPair(asked, &question, &expected);
  list.historyChanged = false;
  answer("hose");
  const PairHistory* history = list.pairs.pairAt(asked)->history;
  ASSERT_TRUE(history != nullptr);
  EXPECT_EQ(history->wrongCount, 1);
  EXPECT_EQ(history->box, 1);
  EXPECT_TRUE(list.historyChanged);
  EXPECT_TRUE(drill->askPrevious());

  ASSERT_TRUE(drill->canCountAsRight());
  ASSERT_TRUE(drill->countAsRight());
  EXPECT_FALSE(drill->countAsRight());
  EXPECT_FALSE(drill->askPrevious());
  EXPECT_EQ(history->rightCount, 1);
  EXPECT_EQ(history->wrongCount, 0);
  EXPECT_EQ(history->box, 2);
  EXPECT_EQ(history->lastAskedDay, kToday);
  ASSERT_TRUE(drill->refresh(&display));
  EXPECT_EQ(bytes(display.resultLine), color(settings.RightColor) + "Counted as right!" + color(settings.BaseColor) +
                                           kFont + " (" + question.c_str() + ")");
  EXPECT_EQ(bytes(display.pointsLine), "Points 2 / 2 Selected 2 / 3");
  answer("wrong");
  EXPECT_EQ(list.pairs.markOf(asked), 0);

  // A change of the list or the direction ends the chance.
  answer("wrong");
  ASSERT_TRUE(drill->canCountAsRight());
  ASSERT_TRUE(drill->reshuffle(&display));
  EXPECT_FALSE(drill->canCountAsRight());
}

TEST_F(DrillTest, LenientJudgingForgivesMissingAccentsAndTakesAnyAlternative) {
  settings.leniency.withoutAccents = true;
  settings.leniency.alternatives = true;
  start({{"kahvila", "caf\xE9; coffee shop", 1}, {"kahvila", "bistro", 1}});
  const struct {
    const char* typed;
    AnswerResult result;
  } cases[] = {{"CAFE", Right}, {"coffee shop", Right}, {"bistro", RightByOtherPair}, {"cafes", Wrong}};
  for (const auto& c : cases) {
    while (drill->state().currentId != 0) answer("");
    answer(c.typed);
    EXPECT_EQ(drill->state().lastResult, c.result) << c.typed;
  }
  // Answers are remembered only when the learner asks for it.
  EXPECT_EQ(list.pairs.pairAt(0)->history, nullptr);
  EXPECT_FALSE(list.historyChanged);
}
