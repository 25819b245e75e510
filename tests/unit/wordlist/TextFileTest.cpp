#include "wordlist/WordFile.h"
#include "wordlist/WordFileLayout.h"

#include "tests/unit/EncodingScope.h"
#include "tests/unit/TempFiles.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs pairsOf(WordList& list) {
  Pairs result;
  for (WordPair* pair = list.pairs.head(); pair; pair = pair->next) {
    EXPECT_EQ(pair->mark, 1);
    result.emplace_back(pair->firstWord.c_str(), pair->secondWord.c_str());
  }
  return result;
}

}  // namespace

class TextFileTest : public ::testing::Test {
 protected:
  FileResult read(const std::string& bytes, bool answer = true, int requested = kFormatNone) {
    questions_ = 0;
    std::string path = folder_.write("list.txt", bytes);
    return open(list_, path.c_str(), requested, [&](const InvalidLine& line) {
      ++questions_;
      asked_.push_back(line);
      return answer;
    });
  }

  TempFolder folder_;
  WordList list_;
  int questions_ = 0;
  std::vector<InvalidLine> asked_;
};

TEST_F(TextFileTest, SplitsLinesIntoPairs) {
  struct Case {
    const char* what;
    std::string text;
    Pairs pairs;
  } cases[] = {
      {"tab and two spaces", "cat\tkissa\r\ndog  koira\r\n", {{"cat", "kissa"}, {"dog", "koira"}}},
      {"single spaces stay in words", "a b  c d\r\n", {{"a b", "c d"}}},
      {"a second separator joins", "a\tb\tcd\r\n", {{"a", "bcd"}}},
      {"trailing space before a tab", "house \ttalo\n", {{"house ", "talo"}}},
      {"indentation and blank lines", "\t  cat\tkissa\n\n\n   dog\t koira\n", {{"cat", "kissa"}, {"dog", "koira"}}},
      {"LF only", "cat\tkissa\ndog\tkoira\n", {{"cat", "kissa"}, {"dog", "koira"}}},
      {"last line without a break", "cat\tkissa\r\nx\ty", {{"cat", "kissa"}, {"x", "y"}}},
      {"last line of one word", "cat\tkissa\r\nlonely", {{"cat", "kissa"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(read(c.text), FileResult::Ok);
    EXPECT_EQ(pairsOf(list_), c.pairs);
    EXPECT_EQ(questions_, 0);
    EXPECT_EQ(list_.format, kFormatText);
  }
}

TEST_F(TextFileTest, InvalidLinesAskWhetherToGoOn) {
  ASSERT_EQ(read("word\t\r\ncat\tkissa\r\n"), FileResult::Ok);
  EXPECT_EQ(questions_, 1);
  EXPECT_EQ(pairsOf(list_), (Pairs{{"cat", "kissa"}}));

  ASSERT_EQ(read("alone\r\ncat\tkissa\r\n"), FileResult::Ok);
  EXPECT_EQ(pairsOf(list_), (Pairs{{"cat", "kissa"}}));  // never joined to the next line

  list_.author = "kept";
  EXPECT_EQ(read("cat\tkissa\r\nword\t\r\n", false), FileResult::UnknownFormat);
  EXPECT_EQ(questions_, 1);
  EXPECT_EQ(list_.author, "kept");
}

// A word file holds words of up to 32000 characters; a list that took a longer
// one could be saved but never opened again.
TEST_F(TextFileTest, LinesWithWordsTooLongForAWordFileAreAskedAboutByNumberAndLeftOut) {
  using Reason = InvalidLine::Reason;
  const std::string longest(kLongestWordFileText, 'a'), tooLong(kLongestWordFileText + 1, 'b');
  const struct {
    const char* what;
    std::string text;
    int askedLine;  // 0: none
    Reason reason;
    int pairs;
  } cases[] = {
      {"the longest words", longest + "\t" + longest + "\r\n", 0, Reason::TooLong, 1},
      {"a long first word", "cat\tkissa\r\n\r\n" + tooLong + "\tx\r\ndog\tkoira\r\n", 3, Reason::TooLong, 2},
      {"a long second word", "x\t" + tooLong + "\n", 1, Reason::TooLong, 0},
      {"a long word in the last line", "cat\tkissa\nx\t" + tooLong, 2, Reason::TooLong, 1},
      {"a long word without a pair", tooLong + "\ncat\tkissa\n", 1, Reason::NoPair, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    asked_.clear();
    ASSERT_EQ(read(c.text), FileResult::Ok);
    ASSERT_EQ(asked_.size(), c.askedLine ? 1u : 0u);
    if (c.askedLine) {
      EXPECT_TRUE(asked_[0].number == c.askedLine && asked_[0].reason == c.reason);
    }
    EXPECT_EQ(list_.pairs.count(), c.pairs);
    list_.fileName = folder_.path("back.wdl").c_str();
    ASSERT_EQ(writeWordFile(list_), FileResult::Ok);
    WordList back;
    EXPECT_EQ(open(back, list_.fileName.c_str(), kFormatNone, [](const InvalidLine&) { return true; }), FileResult::Ok);
  }
  EXPECT_EQ(read("x\t" + tooLong + "\ncat\tkissa\n", false), FileResult::UnknownFormat);

  // In UTF-8 the limit counts characters: 32000 letters of two bytes each fit.
  EncodingScope utf8(TextEncoding::kUtf8);
  std::string letters;
  for (unsigned i = 0; i < kLongestWordFileText; ++i) letters += u8"ж";
  asked_.clear();
  ASSERT_EQ(read("\xEF\xBB\xBF" "x\t" + letters + u8"ж\n" + letters + "\ty\n"), FileResult::Ok);
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0].number, 1);
  ASSERT_EQ(list_.pairs.count(), 1);
  ASSERT_EQ(writeWordFile(list_), FileResult::Ok);
  WordList back;
  ASSERT_EQ(open(back, list_.fileName.c_str(), kFormatNone, [](const InvalidLine&) { return true; }), FileResult::Ok);
  EXPECT_EQ(back.pairs.head()->firstWord.length(), letters.size());
}

TEST_F(TextFileTest, RefusesBinaryFilesAndDropsReservedBytes) {
  EXPECT_EQ(read(std::string("cat\tkis\0sa\r\n", 12)), FileResult::UnknownFormat);
  EXPECT_EQ(read("a\tb\r\n", true, kFormatOemText), FileResult::Ok);
  EXPECT_EQ(list_.format, kFormatOemText);
  ASSERT_EQ(read("c\x01" "a\x03t\tkis\x02sa\r\n\x02\x03\tx\r\n"), FileResult::Ok);
  ASSERT_EQ(list_.pairs.count(), 1);
  EXPECT_EQ(list_.pairs.head()->firstWord, "cat");
  EXPECT_EQ(list_.pairs.head()->secondWord, "kissa");
  ASSERT_EQ(save(list_), FileResult::Ok);
  WordList back;
  ASSERT_EQ(open(back, list_.fileName.c_str(), kFormatNone, [](const InvalidLine&) { return true; }), FileResult::Ok);
  EXPECT_EQ(back.pairs.count(), 1);
}

TEST_F(TextFileTest, WritesTabsAndCrLfAndReadsBackMarked) {
  list_.fileName = folder_.path("out.txt").c_str();
  list_.format = kFormatText;
  list_.author = "lost";
  list_.pairs.append("house", "talo", 1);
  list_.pairs.append("dog", "koira", 0);
  ASSERT_EQ(save(list_), FileResult::Ok);
  EXPECT_EQ(TempFolder::read(list_.fileName.c_str()), "house\ttalo\r\ndog\tkoira\r\n");
  WordList back;
  ASSERT_EQ(open(back, list_.fileName.c_str(), kFormatNone, [](const InvalidLine&) { return true; }), FileResult::Ok);
  EXPECT_EQ(pairsOf(back), (Pairs{{"house", "talo"}, {"dog", "koira"}}));
  EXPECT_TRUE(back.author.empty());
  EXPECT_EQ(back.information.left(6), "Made: ");
}

TEST_F(TextFileTest, OemVariantConvertsBothWays) {
  list_.fileName = folder_.path("oem.txt").c_str();
  list_.format = kFormatOemText;
  list_.pairs.append("k\xE4si", "hand", 1);
  ASSERT_EQ(save(list_), FileResult::Ok);
  EXPECT_EQ(TempFolder::read(list_.fileName.c_str()), "k\x84si\thand\r\n");
  WordList back;
  ASSERT_EQ(open(back, list_.fileName.c_str(), kFormatOemText, [](const InvalidLine&) { return true; }), FileResult::Ok);
  EXPECT_EQ(pairsOf(back), (Pairs{{"k\xE4si", "hand"}}));
}
