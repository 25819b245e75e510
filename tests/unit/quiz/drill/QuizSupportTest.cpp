#include "quiz/drill/AutosaveFiles.h"
#include "quiz/drill/CommandLine.h"
#include "quiz/drill/InstanceList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

HWND windowOf(intptr_t value) { return reinterpret_cast<HWND>(value); }

}  // namespace

TEST(CommandLine, TakesTheFirstWordOrTheQuotedPath) {
  struct Case {
    const char* line;
    const char* argument;
  } cases[] = {
      {"list.wdl", "list.wdl"},
      {"my list.wdl", "my"},
      {"\"C:\\My Lists\\a b.wdl\" second", "C:\\My Lists\\a b.wdl"},
      {"  spaced.wdl", "spaced.wdl"},
      {"\"unterminated path", "unterminated path"},
      {"", ""},
      {"\"\"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(firstArgument(c.line), c.argument) << c.line;
  EXPECT_TRUE(firstArgument(nullptr).empty());
}

TEST(AutosaveFiles, NamesCarryTheInstanceId) {
  EXPECT_EQ(autosavePath("C:\\Verbolt", 4711), "C:\\Verbolt\\wdlAutoSave4711.wdl");
  EXPECT_EQ(autosavePattern("C:\\Verbolt"), "C:\\Verbolt\\wdlAutoSave*.wdl");
  EXPECT_EQ(autosaveIdOf("wdlAutoSave4711.wdl"), 4711u);
  EXPECT_EQ(autosaveIdOf("wdlAutoSave0.wdl"), 0u);
  EXPECT_EQ(autosaveIdOf("wdlAutoSavex12.wdl"), 0u);
  EXPECT_EQ(autosaveIdOf("wdlAutoSave65535.old.wdl"), 65535u);
  EXPECT_EQ(autosaveIdOf("wdlAutoSave"), 0u);
  EXPECT_EQ(freeInstanceId(4711, {}), 4711u);
  EXPECT_EQ(freeInstanceId(4711, {4711, 4712, 9}), 4713u);
  EXPECT_EQ(freeInstanceId(0xFFFF, {0xFFFF, 0}), 1u);
}

TEST(AutosaveFiles, TheCounterGrowsByThreeUntilItReachesTheTime) {
  Settings settings;
  settings.AutoSaveTime = 5;
  std::vector<bool> writes;
  for (int tick = 0; tick < 6; ++tick) writes.push_back(autosaveTick(settings));
  // 0, 3, 6: the third tick writes, about nine seconds after start.
  EXPECT_EQ(writes, (std::vector<bool>{false, false, true, false, false, true}));

  settings.AutoSaveTime = 300;
  int ticks = 1;
  while (!autosaveTick(settings)) ++ticks;
  EXPECT_EQ(ticks, 101);  // a write every 303 seconds

  settings.Status = Settings::kSkipRightAnswers;
  settings.autoSaveCounter = 1000;
  EXPECT_FALSE(autosaveTick(settings));
  EXPECT_EQ(settings.autoSaveCounter, 1000);  // off: the counter stays
}

TEST(InstanceList, HelloIsAnsweredAndRemembered) {
  Settings settings;
  settings.instanceId = 0x1234;
  InstanceList list(settings);
  EXPECT_EQ(list.hello(), static_cast<WPARAM>(0x1234AA01));
  EXPECT_EQ(list.goodbye(), static_cast<WPARAM>(0x1234AA07));

  InstanceList::Reply reply = list.receive(0x0077AA01, 5000, windowOf(1), nullptr);
  EXPECT_EQ(reply.to, windowOf(5000));
  EXPECT_EQ(reply.wParam, 0xAA02u);
  EXPECT_EQ(reply.lParam, static_cast<LPARAM>(0x12340077));
  EXPECT_TRUE(list.isOther(0x77));

  // Our own hello, coming back from the broadcast, changes nothing.
  reply = list.receive(0x1234AA01, 1, windowOf(1), nullptr);
  EXPECT_EQ(reply.to, nullptr);
  EXPECT_EQ(settings.otherIdCount, 1);

  // The reply to our hello names the replier in the high word.
  list.receive(0xAA02, 0x00551234, windowOf(1), nullptr);
  list.receive(0xAA02, 0x00551234, windowOf(1), nullptr);
  EXPECT_TRUE(list.isOther(0x55));
  EXPECT_EQ(settings.otherIdCount, 2);
}

TEST(InstanceList, GoodbyeRemovesTheLeavingIdAndKeepsTheOrder) {
  Settings settings;
  settings.instanceId = 1;
  InstanceList list(settings);
  for (DWORD id = 2; id <= 5; ++id) list.receive(MAKEWPARAM(0xAA01, id), 0, nullptr, nullptr);
  list.receive(MAKEWPARAM(0xAA07, 3), 0, nullptr, nullptr);
  ASSERT_EQ(settings.otherIdCount, 3);
  EXPECT_EQ(settings.otherIds[0], 2u);
  EXPECT_EQ(settings.otherIds[1], 4u);
  EXPECT_EQ(settings.otherIds[2], 5u);
  EXPECT_FALSE(list.isOther(3));
}

TEST(InstanceList, KeepsAtMostFortyIds) {
  Settings settings;
  settings.instanceId = 1;
  InstanceList list(settings);
  for (DWORD id = 100; id < 150; ++id) list.receive(MAKEWPARAM(0xAA01, id), 0, nullptr, nullptr);
  EXPECT_EQ(settings.otherIdCount, 40);
  EXPECT_TRUE(list.isOther(139));
  EXPECT_FALSE(list.isOther(140));
}

TEST(InstanceList, QueriesAreAnsweredWithWindowAndModule) {
  Settings settings;
  settings.instanceId = 9;
  InstanceList list(settings);
  HINSTANCE module = reinterpret_cast<HINSTANCE>(0x400000);
  InstanceList::Reply reply = list.receive(MAKEWPARAM(0xAA03, 7), 4242, windowOf(77), module);
  EXPECT_EQ(reply.to, windowOf(4242));
  EXPECT_EQ(reply.wParam, static_cast<WPARAM>(MAKEWPARAM(0xAA05, 9)));
  EXPECT_EQ(reply.lParam, 77);
  reply = list.receive(MAKEWPARAM(0xAA04, 7), 4242, windowOf(77), module);
  EXPECT_EQ(reply.wParam, static_cast<WPARAM>(MAKEWPARAM(0xAA06, 9)));
  EXPECT_EQ(reply.lParam, 0x400000);
  EXPECT_EQ(list.receive(MAKEWPARAM(0xAA03, 9), 4242, windowOf(77), module).to, nullptr);
  EXPECT_EQ(settings.otherIdCount, 0);  // queries store nothing
}
