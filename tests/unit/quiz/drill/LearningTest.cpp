#include "quiz/drill/AnswerLeniency.h"
#include "quiz/drill/AnswerMarker.h"
#include "quiz/drill/Schedule.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string bytes(const CText& text) { return std::string(text.c_str(), text.length()); }

std::string color(COLORREF value) {
  return std::string{1, static_cast<char>(GetRValue(value)), static_cast<char>(GetGValue(value)),
                     static_cast<char>(GetBValue(value))};
}

std::string marks(const CPairList& pairs) {
  std::string text;
  for (WordPair* pair = pairs.head(); pair; pair = pair->next) text += pair->mark ? '+' : '-';
  return text;
}

}  // namespace

TEST(ScheduleTest, ARightAnswerMovesUpOneBoxAndAWrongOneBackToTheFirst) {
  EXPECT_TRUE(Schedule::isDue(nullptr, 0));
  PairHistory history;
  const struct {
    bool right;
    unsigned day;
    int box;
    unsigned due;
  } steps[] = {{true, 100, 2, 102}, {true, 102, 3, 106}, {true, 106, 4, 114}, {true, 114, 5, 130},
               {true, 130, 5, 146}, {false, 150, 1, 151}, {false, 151, 1, 152}, {true, 152, 2, 154}};
  for (const auto& step : steps) {
    Schedule::recordAnswer(&history, step.right, step.day);
    EXPECT_EQ(history.box, step.box) << step.day;
    EXPECT_EQ(history.lastAskedDay, step.day);
    EXPECT_FALSE(Schedule::isDue(&history, step.due - 1)) << step.day;
    EXPECT_TRUE(Schedule::isDue(&history, step.due)) << step.day;
  }
  EXPECT_EQ(history.rightCount, 6);
  EXPECT_EQ(history.wrongCount, 2);
  history.rightCount = 65535;
  Schedule::recordAnswer(&history, true, 160);
  EXPECT_EQ(history.rightCount, 65535);
}

TEST(ScheduleTest, MarkDueAndMarkHardMarkExactlyTheirPairs) {
  // right, wrong, day last asked and box of each pair; the first was never asked.
  const int records[][4] = {{1, 0, 100, 2}, {0, 1, 101, 1}, {2, 0, 100, 3}, {1, 3, 101, 1},
                            {3, 3, 100, 4}, {0, 1, 100, 1}, {0, 2, 102, 1}};
  CPairList pairs;
  pairs.append("never", "asked", 0);
  for (const auto& record : records) {
    pairs.append("w", "v", 1);
    PairHistory* history = pairs.historyOf(pairs.last());
    history->rightCount = static_cast<uint16_t>(record[0]);
    history->wrongCount = static_cast<uint16_t>(record[1]);
    history->lastAskedDay = static_cast<uint16_t>(record[2]);
    history->box = static_cast<uint8_t>(record[3]);
  }
  EXPECT_EQ(Schedule::markDue(pairs, 102), 5);
  EXPECT_EQ(marks(pairs), "+++-+-+-");
  // Share of wrong answers, then wrong answers, then list order.
  const struct {
    int wanted, marked;
    const char* marks;
  } hard[] = {{1, 1, "-------+"}, {2, 2, "--+----+"}, {3, 3, "--+---++"}, {4, 4, "--+-+-++"},
              {100, 5, "--+-++++"}, {0, 0, "--------"}};
  for (const auto& c : hard) {
    EXPECT_EQ(Schedule::markHard(pairs, c.wanted), c.marked) << c.wanted;
    EXPECT_EQ(marks(pairs), c.marks) << c.wanted;
  }
}

TEST(AnswerLeniencyTest, AcceptsWhatTheOptionsForgive) {
  const struct {
    const char* typed;
    const char* expected;
    bool accents, alternatives, accepted;
  } cases[] = {
      {"cafe", "caf\xE9", true, false, true},        {"CAFE", "Caf\xE9", true, false, true},
      {"caf\xE9", "caf\xE9", true, false, true},      {"cafe", "caf\xE9", false, false, false},
      {"caf\xE9", "cafe", true, false, false},        {"caf\xE8", "caf\xE9", true, false, false},
      {"Orsted", "\xD8rsted", true, false, true},     {"zizka", "\x9Ei\x9Eka", true, false, true},
      {"color", "colour; color", false, true, true}, {"COLOUR", " colour ;color", false, true, true},
      {"colour; color", "colour; color", false, true, false}, {"color", "colour; color", false, false, false},
      {" color", "colour; color", false, true, false}, {"naive", "na\xEFve;;simple;", true, true, true},
      {";", ";", false, true, true},                 {"x", "; ;", false, true, false},
  };
  for (const auto& c : cases) {
    Leniency leniency;
    leniency.withoutAccents = c.accents;
    leniency.alternatives = c.alternatives;
    EXPECT_EQ(acceptsAnswer(c.typed, c.expected, leniency), c.accepted) << c.typed << " for " << c.expected;
  }
}

// Of alternatives equally close to the answer, the first is the one marked.
TEST(AnswerLeniencyTest, TheClosestAlternativeIsTheFirstOfEquals) {
  Leniency leniency;
  leniency.alternatives = true;
  const struct {
    const char* typed;
    const char* expected;
    const char* closest;
  } cases[] = {{"cat", "bat; hat", "bat"}, {"hat", "bat; hat", "hat"}, {"cot", "bat; hat; cat", "cat"},
               {"x", " hat ;bat", "hat"}, {"cofee", "caf\xE9; coffee", "coffee"}, {"", "a; b", "a"}};
  for (const auto& c : cases) {
    Span span = closestAlternative(c.typed, c.expected, leniency);
    EXPECT_EQ(std::string(c.expected + span.start, span.length), c.closest) << c.typed << " for " << c.expected;
  }
}

// The typed answer is marked against the closest alternative; the others are
// drawn grey, and a letter typed without its accent in the right colour.
TEST(AnswerLeniencyTest, TheMarkingShowsWhatWasForgiven) {
  Settings settings;
  settings.fontHandle = reinterpret_cast<HFONT>(static_cast<uintptr_t>(0x11223344));
  settings.leniency.withoutAccents = settings.leniency.alternatives = true;
  const std::string header = color(settings.BaseColor) + std::string("\x03\x44\x33\x22\x11", 5);
  const std::string grey = color(RGB(128, 128, 128)), extra = color(settings.ExtraColor);
  auto forgiven = [&](char c) { return color(settings.RightColor) + c + color(settings.BaseColor); };
  AnswerMarker marker(settings);
  CText right, yours;
  marker.build("cafe", "caf\xE9; coffee", nullptr, &right, &yours);
  EXPECT_EQ(bytes(yours), "Your Answer: " + header + "caf" + forgiven('e') + extra);
  EXPECT_EQ(bytes(right), "Right Answer: " + header + "caf" + forgiven('\xE9') + grey + "; coffee");
  marker.build("cofee", "caf\xE9; coffee", nullptr, &right, &yours);
  EXPECT_EQ(bytes(right), "Right Answer: " + header + grey + "caf\xE9; " + color(settings.BaseColor) + "cof" +
                              color(settings.MissingColor) + "f" + color(settings.BaseColor) + "ee");
}
