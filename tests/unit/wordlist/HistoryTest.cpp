#include "wordlist/FileCombiner.h"
#include "wordlist/HistoryBlock.h"
#include "wordlist/WordFile.h"

#include "tests/unit/EncodingScope.h"
#include "tests/unit/TempFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using Records = std::vector<std::pair<uint32_t, PairHistory>>;

// "right/wrong/day/box", or "-" for none.
std::string shown(const PairHistory* h) {
  if (!h) return "-";
  return std::to_string(h->rightCount) + "/" + std::to_string(h->wrongCount) + "/" +
         std::to_string(h->lastAskedDay) + "/" + std::to_string(h->box);
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

// The records as "index:history " each, or "ignored" when the block is not taken.
std::string readBack(const std::string& block, uint32_t pairCount) {
  std::string records;
  HistoryBlockReader reader(block.data(), block.size(), pairCount);
  bool whole = reader.readWhole([&](uint32_t index, const PairHistory& history) {
    records += std::to_string(index) + ":" + shown(&history) + " ";
  });
  return whole ? records : "ignored";
}

std::string histories(WordList& list) {
  std::string text;
  for (WordPair* pair = list.pairs.head(); pair; pair = pair->next) text += shown(pair->history) + " ";
  return text;
}

// The pairs of a word file as a reader that knows nothing of the history
// block sees them: pair records after the header, up to the end marker.
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

const PairHistory kFirst{3, 1, 19000, 2}, kThird{0, 7, 19001, 1};

class HistoryFileTest : public ::testing::Test {
 protected:
  // house/talo (marked), dog/koira and cat/kissa (marked), with first and
  // third as the histories of the first and the third pair.
  std::string write(const char* name, const PairHistory* first = nullptr, const PairHistory* third = nullptr) {
    WordList list;
    list.pairs.append("house", "talo", 1);
    list.pairs.append("dog", "koira", 0);
    list.pairs.append("cat", "kissa", 1);
    if (first) *list.pairs.historyOf(list.pairs.pairAt(0)) = *first;
    if (third) *list.pairs.historyOf(list.pairs.pairAt(2)) = *third;
    list.fileName = folder_.path(name).c_str();
    EXPECT_EQ(writeWordFile(list), FileResult::Ok);
    return list.fileName.c_str();
  }

  bool read(const std::string& path, WordList* list) {
    return open(*list, path.c_str(), kFormatNone, [](const InvalidLine&) { return true; }) == FileResult::Ok;
  }

  TempFolder folder_;
};

}  // namespace

TEST(HistoryBlockTest, RecordsComeBackInOrder) {
  std::string block = blockOf(10, {{0, kFirst}, {7, {65535, 0, 1, 5}}});
  std::string expected("WDLHIST\x01\x0A\0\0\0\x02\0\0\0\x39\x4A"  // 10 pairs, 2 records, day 19001
                       "\x00\x03\x01\x0A"                         // pair 0: 3 right, 1 wrong, 1 day before, box 2
                       "\x06\xFF\xFF\x03\x00\xC5\xA3\x09"          // pair 7: 65535 right, day 1, box 5
                       "\x88\xF9\xA6\x10\x34\x91\x47\x5A",         // the check sum of the bytes before
                       38);
  EXPECT_EQ(block, expected);
  EXPECT_EQ(readBack(block, 10), "0:3/1/19000/2 7:65535/0/1/5 ");
  EXPECT_TRUE(blockOf(10, {}).empty());
}

// The writer sums its pieces as they come, the reader the whole block.
TEST(HistoryBlockTest, TheCheckSumDoesNotDependOnThePieces) {
  std::string bytes;
  for (int i = 0; i < 1000; ++i) bytes.push_back(static_cast<char>(i * 37 + i / 7));
  auto sumOf = [&](size_t piece) {
    BlockCheckSum sum;
    for (size_t at = 0; at < bytes.size(); at += piece) sum.add(bytes.data() + at, std::min(piece, bytes.size() - at));
    char result[8];
    sum.finish(result);
    return std::string(result, sizeof result);
  };
  for (size_t piece : {1, 2, 3, 5, 16, 17, 999}) EXPECT_EQ(sumOf(piece), sumOf(bytes.size())) << piece;
}

TEST(HistoryBlockTest, ADamagedOrForeignBlockIsIgnoredWhole) {
  std::string good = blockOf(10, {{2, {1, 2, 3, 1}}, {5, {4, 5, 6, 3}}});
  auto changed = [&](size_t at) {
    std::string bytes = good;
    bytes[at] ^= 0x10;
    return bytes;
  };
  const PairHistory any{1, 0, 0, 2};
  const struct {
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
      {"an index beyond the pairs", blockOf(3, {{3, any}}), 3},
      {"fewer records than counted", blockOf(10, {{1, any}}, 19001, 2), 10},
      {"more records than counted", blockOf(10, {{1, any}, {2, any}}, 19001, 1), 10},
      {"box 0", blockOf(10, {{1, {1, 0, 0, 0}}}), 10},
      {"box 6", blockOf(10, {{1, {1, 0, 0, 6}}}), 10},
      {"a day after the latest", blockOf(10, {{1, {1, 0, 19002, 1}}}, 19001), 10},
  };
  EXPECT_EQ(readBack(good, 10), "2:1/2/3/1 5:4/5/6/3 ");
  for (const auto& c : cases) EXPECT_EQ(readBack(c.bytes, c.pairs), "ignored") << c.what;
}

TEST_F(HistoryFileTest, AWordFileKeepsItsHistoriesAndStillOpensInAReaderThatDoesNotKnowThem) {
  std::string plain = TempFolder::read(write("plain.wdl"));
  std::string path = write("list.wdl", &kFirst, &kThird);
  std::string bytes = TempFolder::read(path);
  EXPECT_EQ(bytes, plain + blockOf(3, {{0, kFirst}, {2, kThird}}));
  EXPECT_EQ(plainReaderPairs(bytes), "house/talo+ dog/koira cat/kissa+ ");
  FileInfo info;
  ASSERT_EQ(readSummary(path.c_str(), &info), FileResult::Ok);
  EXPECT_EQ(info.wordCount, 3);
  for (TextEncoding encoding : {TextEncoding::kCp1252, TextEncoding::kUtf8}) {
    EncodingScope scope(encoding);
    WordList back;
    ASSERT_TRUE(read(path, &back));
    EXPECT_EQ(histories(back), "3/1/19000/2 - 0/7/19001/1 ");
  }

  // A damaged block costs the histories, never the pairs.
  bytes.back() ^= 1;
  WordList damaged;
  ASSERT_TRUE(read(folder_.write("damaged.wdl", bytes), &damaged));
  EXPECT_EQ(histories(damaged), "- - - ");
}

TEST_F(HistoryFileTest, StoringTheHistoryAloneLeavesTheRestOfTheFileAsItWas) {
  std::string path = write("list.wdl");
  std::string before = TempFolder::read(path);
  WordList list;
  ASSERT_TRUE(read(path, &list));
  list.pairs.setMark(0, 0);
  list.author = "Changed in memory";
  *list.pairs.historyOf(list.pairs.pairAt(2)) = kThird;
  ASSERT_EQ(storeHistory(list), FileResult::Ok);
  std::string after = TempFolder::read(path);
  EXPECT_EQ(after, before + blockOf(3, {{2, kThird}}));

  // A list whose words no longer match the file stores nothing.
  list.pairs.setWords(list.pairs.pairAt(1), "dog", "hauva");
  EXPECT_EQ(storeHistory(list), FileResult::Invalid);
  EXPECT_EQ(TempFolder::read(path), after);
}

TEST_F(HistoryFileTest, CombiningKeepsTheHistoriesOfBothFiles) {
  std::string first = write("first.wdl", nullptr, &kThird), second = write("second.wdl", &kFirst);
  std::string result = folder_.path("result.wdl");
  ASSERT_EQ(combineWordFiles(first.c_str(), second.c_str(), result.c_str(), FileInfo(), WordOrder::Reversed),
            CombineResult::Ok);
  WordList combined;
  ASSERT_TRUE(read(result, &combined));
  EXPECT_EQ(combined.pairs.pairAt(3)->firstWord, "talo");
  EXPECT_EQ(histories(combined), "- - 0/7/19001/1 3/1/19000/2 - - ");
}
