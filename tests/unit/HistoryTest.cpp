#include "wordlist/FileCombiner.h"
#include "wordlist/HistoryBlock.h"
#include "wordlist/WordFile.h"

#include "tests/unit/TempFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Records = std::vector<std::pair<uint32_t, PairHistory>>;

PairHistory history(uint16_t right, uint16_t wrong, uint16_t day, uint8_t box) {
  PairHistory result;
  result.rightCount = right;
  result.wrongCount = wrong;
  result.lastAskedDay = day;
  result.box = box;
  return result;
}

bool same(const PairHistory* a, const PairHistory& b) {
  return a && a->rightCount == b.rightCount && a->wrongCount == b.wrongCount && a->lastAskedDay == b.lastAskedDay &&
         a->box == b.box;
}

// counted: the record count the header gives, when it is not the true one.
std::string blockOf(uint32_t pairCount, const Records& records, uint16_t latestDay = 19001, int counted = -1) {
  std::string block;
  HistoryBlockWriter writer(pairCount, counted < 0 ? static_cast<uint32_t>(records.size()) : counted, latestDay,
                            [&](const char* bytes, size_t size) { block.append(bytes, size); });
  for (const auto& record : records) writer.add(record.first, record.second);
  writer.finish();
  return block;
}

// The pairs of a word file as a reader that knows nothing of the history
// block sees them: the fixed bytes, four header texts, then pair records up
// to the end marker, after which it reads nothing.
std::string plainReaderPairs(const std::string& bytes) {
  size_t at = 8;
  for (int text = 0; text < 4; ++text) at = bytes.find('\x03', at) + 1;
  std::string pairs;
  while (at < bytes.size() && bytes[at] != '\x02') {
    size_t firstEnd = bytes.find('\x03', at), secondEnd = bytes.find('\x03', firstEnd + 1);
    pairs += bytes.substr(at, firstEnd - at) + "/" + bytes.substr(firstEnd + 1, secondEnd - firstEnd - 1) +
             (bytes[secondEnd + 1] ? "+ " : " ");
    at = secondEnd + 3;
  }
  return pairs;
}

class HistoryFileTest : public ::testing::Test {
 protected:
  // A list of house/talo (marked), dog/koira and cat/kissa (marked).
  void fill(WordList& list, const char* path) {
    list.firstLanguage = "English";
    list.secondLanguage = "Finnish";
    list.pairs.append("house", "talo", 1);
    list.pairs.append("dog", "koira", 0);
    list.pairs.append("cat", "kissa", 1);
    list.fileName = path;
  }

  TempFolder folder_;
  const PairHistory first_ = history(3, 1, 19000, 2), third_ = history(0, 7, 19001, 1);
};

}  // namespace

Records read(const std::string& block, uint32_t pairCount) {
  Records records;
  HistoryBlockReader reader(block.data(), block.size(), pairCount);
  if (!reader.read([&](uint32_t index, const PairHistory& history) { records.emplace_back(index, history); }))
    records.clear();
  return records;
}

TEST(HistoryBlockTest, RecordsComeBackInOrder) {
  std::string block = blockOf(10, {{0, history(3, 1, 19000, 2)}, {7, history(65535, 0, 1, 5)}});
  std::string expected("WDLHIST\x01\x0A\0\0\0\x02\0\0\0\x39\x4A"  // 10 pairs, 2 records, day 19001
                       "\x00\x03\x01\x0A"                             // pair 0: 3 right, 1 wrong, 1 day before, box 2
                       "\x06\xFF\xFF\x03\x00\xC5\xA3\x09",             // pair 7: 65535 right, day 1, box 5
                       30);
  EXPECT_EQ(block.substr(0, block.size() - 8), expected);
  Records records = read(block, 10);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].first, 0u);
  EXPECT_TRUE(same(&records[0].second, history(3, 1, 19000, 2)));
  EXPECT_EQ(records[1].first, 7u);
  EXPECT_TRUE(same(&records[1].second, history(65535, 0, 1, 5)));
  EXPECT_TRUE(blockOf(10, {}).empty());
}

TEST(HistoryBlockTest, ADamagedOrForeignBlockIsIgnoredWhole) {
  std::string good = blockOf(10, {{2, history(1, 2, 3, 1)}, {5, history(4, 5, 6, 3)}});
  auto changed = [&](size_t at) {
    std::string bytes = good;
    bytes[at] ^= 0x10;
    return bytes;
  };
  struct Case {
    const char* what;
    std::string bytes;
    uint32_t pairs;
  } cases[] = {
      {"nothing", "", 10},
      {"made for another list", good, 11},
      {"a changed record", changed(20), 10},
      {"a changed sum", changed(good.size() - 1), 10},
      {"another version", changed(7), 10},
      {"cut short", good.substr(0, good.size() - 1), 10},
      {"a byte more", good + "x", 10},
      {"plain text", "these are not the bytes of a history block", 10},
      {"an index beyond the pairs", blockOf(3, {{3, history(1, 0, 0, 2)}}), 3},
      {"fewer records than counted", blockOf(10, {{1, history(1, 0, 0, 2)}}, 19001, 2), 10},
      {"more records than counted", blockOf(10, {{1, history(1, 0, 0, 2)}, {2, history(1, 0, 0, 2)}}, 19001, 1), 10},
      {"box 0", blockOf(10, {{1, history(1, 0, 0, 0)}}), 10},
      {"box 6", blockOf(10, {{1, history(1, 0, 0, 6)}}), 10},
      {"a day after the latest", blockOf(10, {{1, history(1, 0, 19002, 1)}}, 19001), 10},
  };
  for (const Case& c : cases) {
    int handed = 0;
    HistoryBlockReader reader(c.bytes.data(), c.bytes.size(), c.pairs);
    EXPECT_FALSE(reader.readWhole([&](uint32_t, const PairHistory&) { ++handed; })) << c.what;
    EXPECT_EQ(handed, 0) << c.what;
  }
}

TEST_F(HistoryFileTest, AWordFileKeepsItsHistoriesAndStillOpensInAReaderThatDoesNotKnowThem) {
  WordList plain, list;
  fill(plain, folder_.path("plain.wdl").c_str());
  ASSERT_EQ(writeWordFile(plain), FileResult::Ok);
  fill(list, folder_.path("list.wdl").c_str());
  *list.pairs.historyOf(list.pairs.pairAt(0)) = first_;
  *list.pairs.historyOf(list.pairs.pairAt(2)) = third_;
  ASSERT_EQ(writeWordFile(list), FileResult::Ok);

  std::string plainBytes = TempFolder::read(plain.fileName.c_str());
  std::string bytes = TempFolder::read(list.fileName.c_str());
  EXPECT_EQ(bytes.substr(0, plainBytes.size()), plainBytes);
  EXPECT_EQ(bytes.substr(plainBytes.size()), blockOf(3, {{0, first_}, {2, third_}}));
  EXPECT_EQ(plainReaderPairs(bytes), "house/talo+ dog/koira cat/kissa+ ");
  FileInfo info;
  ASSERT_EQ(readSummary(list.fileName.c_str(), &info), FileResult::Ok);
  EXPECT_EQ(info.wordCount, 3);

  WordList back;
  ASSERT_EQ(open(back, list.fileName.c_str(), kFormatNone, [](const InvalidLine&) { return true; }), FileResult::Ok);
  EXPECT_TRUE(same(back.pairs.pairAt(0)->history, first_));
  EXPECT_EQ(back.pairs.pairAt(1)->history, nullptr);
  EXPECT_TRUE(same(back.pairs.pairAt(2)->history, third_));

  // A damaged block costs the histories, never the pairs.
  bytes.back() ^= 1;
  std::string damaged = folder_.write("damaged.wdl", bytes);
  WordList again;
  ASSERT_EQ(open(again, damaged.c_str(), kFormatNone, [](const InvalidLine&) { return true; }), FileResult::Ok);
  ASSERT_EQ(again.pairs.count(), 3);
  for (WordPair* pair = again.pairs.head(); pair; pair = pair->next) EXPECT_EQ(pair->history, nullptr);
}

TEST_F(HistoryFileTest, StoringTheHistoryAloneLeavesTheRestOfTheFileAsItWas) {
  WordList list;
  fill(list, folder_.path("list.wdl").c_str());
  ASSERT_EQ(writeWordFile(list), FileResult::Ok);
  std::string before = TempFolder::read(list.fileName.c_str());
  list.pairs.setMark(0, 0);
  list.author = "Changed in memory";
  *list.pairs.historyOf(list.pairs.pairAt(2)) = third_;
  ASSERT_EQ(storeHistory(list), FileResult::Ok);
  std::string after = TempFolder::read(list.fileName.c_str());
  EXPECT_EQ(after.substr(0, before.size()), before);
  EXPECT_EQ(after.substr(before.size()), blockOf(3, {{2, third_}}));

  // A list whose words no longer match the file stores nothing.
  list.pairs.setWords(list.pairs.pairAt(1), "dog", "hauva");
  EXPECT_EQ(storeHistory(list), FileResult::Invalid);
  EXPECT_EQ(TempFolder::read(list.fileName.c_str()), after);
}

TEST_F(HistoryFileTest, CombiningKeepsTheHistoriesOfBothFiles) {
  WordList first, second;
  fill(first, folder_.path("first.wdl").c_str());
  *first.pairs.historyOf(first.pairs.pairAt(2)) = third_;
  ASSERT_EQ(writeWordFile(first), FileResult::Ok);
  fill(second, folder_.path("second.wdl").c_str());
  *second.pairs.historyOf(second.pairs.pairAt(0)) = first_;
  ASSERT_EQ(writeWordFile(second), FileResult::Ok);
  std::string result = folder_.path("result.wdl");
  FileInfo header;
  ASSERT_EQ(combineWordFiles(first.fileName.c_str(), second.fileName.c_str(), result.c_str(), header,
                             WordOrder::Reversed),
            CombineResult::Ok);
  WordList combined;
  ASSERT_EQ(open(combined, result.c_str(), kFormatNone, [](const InvalidLine&) { return true; }), FileResult::Ok);
  ASSERT_EQ(combined.pairs.count(), 6);
  EXPECT_EQ(combined.pairs.pairAt(3)->firstWord, "talo");
  for (int id : {0, 1, 4, 5}) EXPECT_EQ(combined.pairs.pairAt(id)->history, nullptr) << id;
  EXPECT_TRUE(same(combined.pairs.pairAt(2)->history, third_));
  EXPECT_TRUE(same(combined.pairs.pairAt(3)->history, first_));
}
