#include "wordlist/LanguageTable.h"
#include "wordlist/MarkerBytes.h"
#include "wordlist/WordList.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void fill(CPairList& pairs, int count) {
  for (int i = 0; i < count; ++i) {
    CText word("w");
    word.append(static_cast<long>(i));
    pairs.append(word.c_str(), word.c_str(), static_cast<unsigned char>(i % 2));
  }
}

}  // namespace

TEST(WordList, ANewListIsEmptyWithTodaysDate) {
  WordList list;
  char date[81];
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date);
  EXPECT_EQ(list.pairs.count(), 0);
  EXPECT_TRUE(list.firstLanguage.empty());
  EXPECT_TRUE(list.author.empty());
  EXPECT_EQ(list.information, (std::string("Made: ") + date).c_str());
  EXPECT_EQ(list.format, kFormatNone);
  EXPECT_TRUE(list.fileName.empty());
}

TEST(WordList, ResetKeepsTheFileUnlessToldToForget) {
  WordList list;
  list.fileName = "a.txt";
  list.format = kFormatText;
  list.author = "me";
  list.pairs.append("a", "b", 1);
  list.reset(false);
  EXPECT_EQ(list.fileName, "a.txt");
  EXPECT_EQ(list.format, kFormatText);
  EXPECT_TRUE(list.author.empty());
  EXPECT_EQ(list.pairs.count(), 0);
  list.reset(true);
  EXPECT_TRUE(list.fileName.empty());
  EXPECT_EQ(list.format, kFormatNone);
}

TEST(WordList, TakeMovesPairsAndExchangesTheHeader) {
  WordList target, source;
  target.pairs.append("old", "vanha", 1);
  source.fileName = "new.wdl";
  source.firstLanguage = "English";
  source.format = kFormatWordFile;
  fill(source.pairs, 3);
  target.take(source);
  EXPECT_EQ(target.fileName, "new.wdl");
  EXPECT_EQ(target.firstLanguage, "English");
  EXPECT_EQ(target.format, kFormatWordFile);
  EXPECT_EQ(target.pairs.count(), 3);
  EXPECT_EQ(source.pairs.count(), 0);
  EXPECT_EQ(source.pairs.head(), nullptr);
  EXPECT_EQ(target.pairs.append("x", "y", 1), 3);
}

TEST(PairList, AppendGivesConsecutiveIdsAndClearResets) {
  CPairList pairs;
  EXPECT_EQ(pairs.append("a", "b", 1), 0);
  EXPECT_EQ(pairs.append("c", "d", 0), 1);
  EXPECT_EQ(pairs.count(), 2);
  CText first, second;
  EXPECT_TRUE(pairs.copyPair(1, &first, &second));
  EXPECT_EQ(first, "c");
  EXPECT_EQ(second, "d");
  pairs.clear();
  EXPECT_EQ(pairs.count(), 0);
  EXPECT_EQ(pairs.append("e", "f", 1), 0);
  EXPECT_EQ(pairs.head()->next, nullptr);
}

// The words live in shared blocks, and a word too large to share one gets a
// block of its own while the shared block goes on serving the smaller words
// after it: each keeps its bytes (AddressSanitizer sees any write past a block).
TEST(PairList, WordsOfEverySizeKeepTheirBytes) {
  const struct {
    size_t length;
    int count;
  } runs[] = {{50000, 5}, {100000, 1}, {5000, 30}, {300000, 1}, {1, 100}, {65535, 2}, {70000, 1}, {3, 10}};
  CPairList pairs;
  std::vector<std::string> words;
  for (const auto& run : runs) {
    for (int i = 0; i < run.count; ++i) {
      words.push_back(std::string(run.length, static_cast<char>('a' + words.size() % 26)));
      ASSERT_EQ(pairs.append(words.back().c_str(), words.back().c_str(), 1), static_cast<int>(words.size()) - 1);
    }
  }
  size_t at = 0;
  for (WordPair* pair = pairs.head(); pair; pair = pair->next, ++at) {
    ASSERT_LT(at, words.size());
    EXPECT_TRUE(pair->firstWord == words[at].c_str() && pair->secondWord == words[at].c_str()) << at;
    EXPECT_EQ(pair->firstWord.length(), words[at].size());
  }
  EXPECT_EQ(at, words.size());
}

TEST(PairList, LookupsOutsideTheListFail) {
  CPairList pairs;
  fill(pairs, 3);
  EXPECT_EQ(pairs.markOf(3), 0);
  EXPECT_FALSE(pairs.setMark(3, 1));
  EXPECT_FALSE(pairs.setMark(-1, 1));
  EXPECT_EQ(pairs.pairAt(3), nullptr);
  CText first, second;
  EXPECT_FALSE(pairs.copyPair(7, &first, &second));
  EXPECT_TRUE(pairs.setMark(2, 5));
  EXPECT_EQ(pairs.markOf(2), 5);  // stored as passed
}

TEST(PairList, LookupsRestartFromTheHeadOnlyWhenGoingBack) {
  CPairList pairs;
  fill(pairs, 10);
  ASSERT_NE(pairs.pairAt(7), nullptr);
  EXPECT_EQ(pairs.pairAt(8)->id, 8);
  EXPECT_EQ(pairs.pairAt(5)->id, 5);
  EXPECT_EQ(pairs.pairAt(5)->firstWord, "w5");
  EXPECT_EQ(pairs.pairAt(0)->id, 0);
  EXPECT_EQ(pairs.pairAt(9)->id, 9);
}

// With the address space limited, a word too large to copy links nothing.
// The sanitizers reserve address space of their own, so this runs natively.
TEST(PairList, AnAppendWithoutMemoryLinksNothing) {
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
  GTEST_SKIP() << "needs an address space limit";
#endif
#endif
  std::string big(256u << 20, 'x');
  pid_t child = fork();
  if (child == 0) {
    rlimit limit = {};
    std::ifstream status("/proc/self/statm");
    unsigned long pages = 0;
    status >> pages;
    limit.rlim_cur = limit.rlim_max = pages * sysconf(_SC_PAGESIZE) + (64u << 20);
    setrlimit(RLIMIT_AS, &limit);
    CPairList pairs;
    pairs.append("a", "b", 1);
    bool ok = pairs.append(big.c_str(), "b", 1) == -1 && pairs.count() == 1 && pairs.last()->next == nullptr &&
              pairs.last()->firstWord == "a" && pairs.append("c", "d", 1) == 1;
    _exit(ok ? 0 : 1);
  }
  int status = -1;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(PairList, CountsOnlyMarksOfExactlyOne) {
  CPairList pairs;
  pairs.append("a", "b", 1);
  pairs.append("c", "d", 2);
  pairs.append("e", "f", 0);
  pairs.append("g", "h", 1);
  EXPECT_EQ(pairs.countMarked(), 2);
}

TEST(PairList, FindMarkedSkipsUnmarkedAndFindsTheFirst) {
  CPairList pairs;
  pairs.append("House", "Talo", 0);
  pairs.append("House", "TALO", 1);
  pairs.append("house", "talo", 1);
  pairs.append("Houses", "talot", 1);
  EXPECT_EQ(pairs.findMarked("house", "talo"), 1);
  EXPECT_EQ(pairs.findMarked("houses", "talot"), 3);
  EXPECT_EQ(pairs.findMarked("hous", "talo"), -1);
  pairs.setMark(1, 0);
  pairs.setMark(2, 0);
  EXPECT_EQ(pairs.findMarked("house", "talo"), -1);
}

TEST(LanguageTable, ReadsTheCountedNamesAndPhrases) {
  LanguageTable table;
  ASSERT_EQ(table.count(), 10);
  EXPECT_EQ(table.name(0), "Finnish");
  EXPECT_EQ(table.phrase(0), "in Finnish");
  EXPECT_EQ(table.name(8), "Esthonian");
  EXPECT_EQ(table.phrase(9), "in Portuguese");
  EXPECT_EQ(table.find("ENGLISH"), 1);
  EXPECT_EQ(table.find("Dutch"), -1);
}

TEST(MarkerBytes, TypedTextLosesOnlyTheMarkers) {
  struct Case {
    const char* typed;
    const char* stored;
  } cases[] = {{"talo", "talo"}, {"\x01ta\x02lo\x03", "talo"}, {"\x01\x02\x03", ""},
               {"\x04\xE4\xFF", "\x04\xE4\xFF"}, {"", ""}};
  for (const Case& c : cases) {
    CText text(c.typed);
    dropMarkerBytes(&text);
    EXPECT_EQ(text, c.stored);
  }
}
