#include "wordlist/FileCombiner.h"

#include "tests/unit/TempFiles.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const std::string kFixed("\xFE\xFE" "97WDL\x12", 8);

std::string wordFile(const std::string& first, const std::string& second, const std::string& records) {
  return kFixed + first + '\x03' + second + '\x03' + "Author\x03" + "Info\x03" + records + '\x02';
}

std::string pair(const std::string& first, const std::string& second, char mark) {
  return first + '\x03' + second + '\x03' + mark + '\x03';
}

FileInfo header(const char* first, const char* second) {
  FileInfo info;
  info.firstLanguage = first;
  info.secondLanguage = second;
  info.author = "Me";
  info.information = "Made\r\nby hand";
  return info;
}

const std::string kFirstRecords = pair("cat", "kissa", 1) + pair("dog", "koira", 0);
const std::string kSecondRecords = pair("talo", "house", 0) + pair("vesi", "water", 1);

class FileCombinerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    first_ = folder_.write("first.wdl", wordFile("English", "Finnish", kFirstRecords));
    second_ = folder_.write("second.wdl", wordFile("Finnish", "English", kSecondRecords));
    result_ = folder_.path("result.wdl");
  }

  TempFolder folder_;
  std::string first_, second_, result_;
};

TEST_F(FileCombinerTest, WritesTheHeaderGivenAndBothFilesPairs) {
  ASSERT_EQ(combineWordFiles(first_.c_str(), second_.c_str(), result_.c_str(), header("English", "Finnish"),
                             WordOrder::Same),
            CombineResult::Ok);
  EXPECT_EQ(TempFolder::read(result_),
            kFixed + "English\x03" "Finnish\x03" "Me\x03" "Made\r\nby hand\x03" + kFirstRecords + kSecondRecords + '\x02');
  FileInfo info;
  ASSERT_EQ(readSummary(result_.c_str(), &info), FileResult::Ok);
  EXPECT_EQ(info.wordCount, 4);
}

// The exchanged order keeps the marks; the result replaces the first file.
TEST_F(FileCombinerTest, ExchangesTheSecondFilesWordsIntoTheFirstFile) {
  std::string longWord(40000, 'w');
  std::string second = folder_.write("second.wdl", wordFile("Finnish", "English", kSecondRecords +
                                                                                   pair(longWord, "x", 1)));
  ASSERT_EQ(combineWordFiles(first_.c_str(), second.c_str(), first_.c_str(), header("a\x03", "b\x02"),
                             WordOrder::Reversed),
            CombineResult::Ok);
  EXPECT_EQ(TempFolder::read(first_), kFixed + "a\x03" "b\x03" "Me\x03" "Made\r\nby hand\x03" + kFirstRecords +
                                          pair("house", "talo", 0) + pair("water", "vesi", 1) +
                                          pair("x", longWord, 1) + '\x02');
}

// The sources pass through a reading buffer of fixed size: records crossing
// its end, a word longer than it, and damage far into a file are all found.
TEST_F(FileCombinerTest, LongSourcesCrossTheReadingBuffer) {
  std::string records, exchanged;
  for (int i = 0; i < 20000; ++i) {
    std::string first = i == 9000 ? std::string(150000, 'L') : "w" + std::to_string(i);
    std::string second = std::string(i % 7, 's') + std::to_string(i);
    // A mark of 0x03 makes a tail that looks like the end of a text.
    char mark = "\x00\x01\x03"[i % 3];
    records += pair(first, second, mark);
    exchanged += pair(second, first, mark);
  }
  std::string source = folder_.write("long.wdl", wordFile("F", "E", records));
  ASSERT_EQ(combineWordFiles(source.c_str(), source.c_str(), result_.c_str(), header("E", "F"), WordOrder::Reversed),
            CombineResult::Ok);
  EXPECT_EQ(TempFolder::read(result_),
            kFixed + "E\x03" "F\x03" "Me\x03" "Made\r\nby hand\x03" + records + exchanged + '\x02');
  ASSERT_EQ(combineWordFiles(source.c_str(), source.c_str(), result_.c_str(), header("E", "F"), WordOrder::Same),
            CombineResult::Ok);
  EXPECT_EQ(TempFolder::read(result_),
            kFixed + "E\x03" "F\x03" "Me\x03" "Made\r\nby hand\x03" + records + records + '\x02');

  std::string damaged = records;
  damaged[damaged.size() - 1000] = '\x02';
  source = folder_.write("damaged.wdl", wordFile("F", "E", damaged));
  EXPECT_EQ(combineWordFiles(first_.c_str(), source.c_str(), result_.c_str(), header("E", "F"), WordOrder::Same),
            CombineResult::SecondUnknown);
  source = folder_.write("cut.wdl", wordFile("F", "E", records).substr(0, 300000));
  EXPECT_EQ(combineWordFiles(source.c_str(), first_.c_str(), result_.c_str(), header("E", "F"), WordOrder::Same),
            CombineResult::FirstUnknown);
}

// A write failing in the middle, as on a full disk, is reported and leaves
// the destination as it was.
TEST_F(FileCombinerTest, AWriteFailingMidwayKeepsTheDestination) {
  std::string records;
  for (int i = 0; i < 100000; ++i) records += pair("talo", "house", 1);
  std::string second = folder_.write("long.wdl", wordFile("F", "E", records));
  const std::string before = TempFolder::read(first_);
  FileSizeLimit limit(300000);
  EXPECT_EQ(combineWordFiles(first_.c_str(), second.c_str(), first_.c_str(), header("E", "F"), WordOrder::Reversed),
            CombineResult::CannotWrite);
  EXPECT_EQ(TempFolder::read(first_), before);
}

// A source that is no whole word file is unknown, whichever part of it is
// damaged, and stops everything before any file is touched.
TEST_F(FileCombinerTest, DamagedSourcesAreUnknownAndLeaveEveryFileAsItWas) {
  const std::string before = TempFolder::read(first_);
  const std::string texts = kFixed + "F\x03" "E\x03" "A\x03" "I\x03";
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"0x02 inside a word", wordFile("F", "E", pair("ta\x02lo", "house", 1))},
      {"0x02 inside a second word", wordFile("F", "E", pair("talo", "hou\x02se", 1))},
      {"0x02 as a mark", wordFile("F", "E", pair("talo", "house", 2))},
      {"no end marker", texts + pair("talo", "house", 1)},
      {"cut after a mark", texts + "talo\x03" "house\x03\x01"},
      {"damaged header", kFixed + "F\x03" "E\x02"},
      {"not a word file", "talo\thouse\r\n"},
  };
  for (const auto& c : cases) {
    std::string damaged = folder_.write("bad.wdl", c.bytes);
    EXPECT_EQ(combineWordFiles(first_.c_str(), damaged.c_str(), first_.c_str(), header("E", "F"), WordOrder::Same),
              CombineResult::SecondUnknown)
        << c.what;
    EXPECT_EQ(TempFolder::read(first_), before) << c.what;
    EXPECT_EQ(combineWordFiles(damaged.c_str(), first_.c_str(), result_.c_str(), header("E", "F"), WordOrder::Same),
              CombineResult::FirstUnknown)
        << c.what;
    EXPECT_NE(access(result_.c_str(), F_OK), 0) << c.what;
  }
  EXPECT_EQ(combineWordFiles(folder_.path("none.wdl").c_str(), second_.c_str(), result_.c_str(), header("E", "F"),
                             WordOrder::Same),
            CombineResult::CannotOpenFirst);
  EXPECT_EQ(combineWordFiles(first_.c_str(), folder_.path("none.wdl").c_str(), result_.c_str(), header("E", "F"),
                             WordOrder::Same),
            CombineResult::CannotOpenSecond);
  EXPECT_EQ(combineWordFiles(first_.c_str(), second_.c_str(), folder_.path("no/such/folder.wdl").c_str(),
                             header("E", "F"), WordOrder::Same),
            CombineResult::CannotCreate);
  // A source's fault comes before the destination's, even where the
  // destination is that missing source.
  const std::string nowhere = folder_.path("no/such/first.wdl");
  EXPECT_EQ(combineWordFiles(nowhere.c_str(), second_.c_str(), nowhere.c_str(), header("E", "F"), WordOrder::Same),
            CombineResult::CannotOpenFirst);
  EXPECT_EQ(TempFolder::read(first_), before);
}

// Languages are compared without regard to case; one crosswise match asks
// about the exchanged order, none about the same order.
TEST(AutomaticOrder, FollowsTheLanguagesOfBothFiles) {
  const struct {
    const char* first[2];
    const char* second[2];
    AutomaticOrder order;
  } cases[] = {
      {{"English", "Finnish"}, {"english", "FINNISH"}, AutomaticOrder::Same},
      {{"English", "Finnish"}, {"Finnish", "English"}, AutomaticOrder::Reversed},
      {{"English", "Finnish"}, {"English", "Swedish"}, AutomaticOrder::AskNormalOrder},
      {{"English", "Finnish"}, {"German", "Swedish"}, AutomaticOrder::AskNormalOrder},
      {{"English", "Finnish"}, {"Swedish", "English"}, AutomaticOrder::AskReversibleOrder},
      {{"English", "Finnish"}, {"Finnish", "Swedish"}, AutomaticOrder::AskReversibleOrder},
  };
  for (const auto& c : cases) {
    FileInfo first = header(c.first[0], c.first[1]), second = header(c.second[0], c.second[1]);
    EXPECT_EQ(automaticOrder(first, second), c.order) << c.second[0] << "/" << c.second[1];
  }
}

TEST_F(FileCombinerTest, FindsTheSameSourceInAnotherSpelling) {
  std::string folder = first_.substr(0, first_.rfind('/'));
  ASSERT_EQ(chdir(folder.c_str()), 0);
  EXPECT_TRUE(sameSourceFiles(first_.c_str(), "first.wdl"));
  EXPECT_TRUE(sameSourceFiles(first_.c_str(), (folder + "/./first.wdl").c_str()));
  ASSERT_EQ(symlink(first_.c_str(), folder_.path("link.wdl").c_str()), 0);
  EXPECT_TRUE(sameSourceFiles(folder_.path("link.wdl").c_str(), first_.c_str()));
  EXPECT_TRUE(sameSourceFiles("missing.wdl", "MISSING.WDL"));
  EXPECT_FALSE(sameSourceFiles(first_.c_str(), second_.c_str()));
  EXPECT_FALSE(sameSourceFiles("missing.wdl", "other.wdl"));
  ASSERT_EQ(chdir("/"), 0);
}

}  // namespace
