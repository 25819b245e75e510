#include "wordlist/WordFile.h"

#include "tests/unit/EncodingScope.h"
#include "tests/unit/TempFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

const std::string kFixed("\xFE\xFE" "97WDL\x12", 8);

std::string header(const std::string& first = "English", const std::string& second = "Finnish",
                   const std::string& author = "Teacher", const std::string& information = "Info\r\nmore") {
  return kFixed + first + '\x03' + second + '\x03' + author + '\x03' + information + '\x03';
}

std::string pair(const std::string& first, const std::string& second, char mark) {
  return first + '\x03' + second + '\x03' + mark + '\x03';
}

const InvalidLineQuestion kSkip = [](const InvalidLine&) { return true; };

}  // namespace

class WordFileTest : public ::testing::Test {
 protected:
  FileResult openBytes(const std::string& bytes, int requested = kFormatNone) {
    path_ = folder_.write("list.wdl", bytes);
    return open(list_, path_.c_str(), requested, kSkip);
  }

  TempFolder folder_;
  std::string path_;
  WordList list_;
};

TEST_F(WordFileTest, ReadsHeaderPairsAndMarks) {
  ASSERT_EQ(openBytes(header() + pair("house", "talo", 1) + pair("dog", "koira", 0) + pair("", "", 5) + "\x02"),
            FileResult::Ok);
  EXPECT_EQ(list_.firstLanguage, "English");
  EXPECT_EQ(list_.secondLanguage, "Finnish");
  EXPECT_EQ(list_.author, "Teacher");
  EXPECT_EQ(list_.information, "Info\r\nmore");
  EXPECT_EQ(list_.fileName, path_.c_str());
  EXPECT_EQ(list_.format, kFormatWordFile);
  ASSERT_EQ(list_.pairs.count(), 3);
  EXPECT_EQ(list_.pairs.pairAt(0)->secondWord, "talo");
  EXPECT_EQ(list_.pairs.markOf(0), 1);
  EXPECT_EQ(list_.pairs.markOf(1), 0);
  EXPECT_EQ(list_.pairs.markOf(2), 1);  // any non-zero mark byte marks
  EXPECT_TRUE(list_.pairs.pairAt(2)->firstWord.empty());
}

TEST_F(WordFileTest, AcceptsOrRefusesDamagedFiles) {
  struct Case {
    const char* what;
    std::string bytes;
    FileResult result;
    int pairs;
  } cases[] = {
      {"empty header", kFixed + "\x03\x03\x03\x03\x02", FileResult::Ok, 0},
      {"no end marker", header() + pair("a", "b", 1), FileResult::Ok, 1},
      {"bytes after the end marker", header() + "\x02garbage", FileResult::Ok, 0},
      {"cut inside a word", header() + pair("a", "b", 1) + "ca", FileResult::Invalid, 0},
      {"cut after the mark", header() + "a\x03" "b\x03\x01", FileResult::Invalid, 0},
      {"end marker as mark", header() + "a\x03" "b\x03\x02\x03", FileResult::Invalid, 0},
      {"end marker in a header", kFixed + "Eng\x02lish\x03\x03\x03\x03\x02", FileResult::Invalid, 0},
      {"seven bytes", kFixed.substr(0, 7), FileResult::Invalid, 0},
      {"empty: an empty text", "", FileResult::Ok, 0},
      {"short text of one pair", "a\tb\r\n", FileResult::Ok, 1},
      {"short with a control byte", "a\tb\x01", FileResult::Invalid, 0},
      {"32000-byte word", header() + pair(std::string(32000, 'a'), "b", 1) + "\x02", FileResult::Ok, 1},
      {"32001-byte word", header() + pair(std::string(32001, 'a'), "b", 1) + "\x02", FileResult::Invalid, 0},
      {"32000 accented bytes", header() + pair(std::string(32000, '\xE4'), "b", 1) + "\x02", FileResult::Ok, 1},
      {"32001 accented bytes", header() + pair(std::string(32001, '\xE4'), "b", 1) + "\x02", FileResult::Invalid, 0},
      {"damaged first bytes", "\xFE\xFD" + header().substr(2) + pair("a", "b", 0) + "\x02",
       FileResult::UnknownFormat, 0},
  };
  // Where the program's texts are UTF-8, code page 1252 files take another
  // reader, which must judge every file alike.
  for (TextEncoding encoding : {TextEncoding::kCp1252, TextEncoding::kUtf8}) {
    EncodingScope scope(encoding);
    for (const Case& c : cases) {
      SCOPED_TRACE(c.what);
      WordList fresh;
      list_.take(fresh);
      EXPECT_EQ(openBytes(c.bytes), c.result);
      if (c.result == FileResult::Ok) {
        EXPECT_EQ(list_.pairs.count(), c.pairs);
      }
    }
  }
}

TEST_F(WordFileTest, AFailedOpenLeavesTheListUntouched) {
  list_.author = "kept";
  list_.pairs.append("a", "b", 1);
  EXPECT_EQ(openBytes(header() + "x\x02y\x03"), FileResult::Invalid);
  EXPECT_EQ(open(list_, folder_.path("missing.wdl").c_str(), kFormatNone, kSkip), FileResult::CannotOpen);
  EXPECT_EQ(list_.author, "kept");
  EXPECT_EQ(list_.pairs.count(), 1);
}

TEST_F(WordFileTest, ANulEndsATextButNotTheRecord) {
  ASSERT_EQ(openBytes(header() + pair(std::string("ab\0cd", 5), "x", 1) + "\x02"), FileResult::Ok);
  EXPECT_EQ(list_.pairs.pairAt(0)->firstWord, "ab");
  EXPECT_EQ(list_.pairs.pairAt(0)->secondWord, "x");
  EncodingScope utf8(TextEncoding::kUtf8);
  ASSERT_EQ(openBytes(header("Fran\xE7" "ais") + pair(std::string("\xE4\0cd", 4), "x\x80y", 1) +
                      pair("longer than eight \xE4", "", 0) + "\x02"),
            FileResult::Ok);
  EXPECT_EQ(list_.firstLanguage, u8"Français");
  EXPECT_EQ(list_.pairs.pairAt(0)->firstWord, u8"ä");
  EXPECT_EQ(list_.pairs.pairAt(0)->secondWord, u8"x€y");
  EXPECT_EQ(list_.pairs.pairAt(1)->firstWord, u8"longer than eight ä");
  EXPECT_TRUE(list_.pairs.pairAt(1)->secondWord.empty());
  EXPECT_EQ(list_.pairs.markOf(1), 0);

  // Saved back in code page 1252, also a word longer than the writer's buffer.
  std::string longWord;
  for (int i = 0; i < 40000; ++i) longWord += u8"ä";
  list_.pairs.append(longWord.c_str(), "x", 0);
  ASSERT_EQ(save(list_), FileResult::Ok);
  std::string saved = TempFolder::read(path_);
  EXPECT_EQ(saved.substr(0, 8), kFixed);
  EXPECT_NE(saved.find("x\x80y\x03"), std::string::npos);
  EXPECT_NE(saved.find('\x03' + std::string(40000, '\xE4') + '\x03'), std::string::npos);
}

TEST_F(WordFileTest, WritesTheLayoutByteForByte) {
  list_.fileName = folder_.path("out.wdl").c_str();
  list_.firstLanguage = "English";
  list_.secondLanguage = "Dutch";
  list_.author = "A";
  list_.information = "I";
  list_.pairs.append("house", "huis", 1);
  list_.pairs.append("dog", "hond", 5);
  list_.pairs.append("cat", "kat", 0);
  ASSERT_EQ(save(list_), FileResult::Ok);
  EXPECT_EQ(TempFolder::read(list_.fileName.c_str()),
            header("English", "Dutch", "A", "I") + pair("house", "huis", 1) + pair("dog", "hond", 1) +
                pair("cat", "kat", 0) + "\x02");
  EXPECT_EQ(list_.format, kFormatWordFile);
}

// Words are looked at eight bytes at a time: a marker anywhere in a word
// fails the save, and every other byte is written as it is.
TEST_F(WordFileTest, FindsAMarkerAnywhereInAWord) {
  list_.fileName = folder_.path("out.wdl").c_str();
  list_.information = "I";
  std::string others;
  for (int byte = 1; byte < 256; ++byte)
    if (byte != 2 && byte != 3) others += static_cast<char>(byte);
  list_.pairs.append(others.c_str(), "x", 1);
  ASSERT_EQ(save(list_), FileResult::Ok);
  EXPECT_EQ(TempFolder::read(list_.fileName.c_str()), header("", "", "", "I") + pair(others, "x", 1) + "\x02");
  // In UTF-8 the words are converted on their way to code page 1252, an
  // accented letter before the marker moving it by one byte.
  for (TextEncoding encoding : {TextEncoding::kCp1252, TextEncoding::kUtf8})
    for (size_t length = 1; length <= 17; ++length)
      for (size_t at = 0; at < length; ++at)
        for (char marker : {'\x02', '\x03'}) {
          EncodingScope scope(encoding);
          std::string word = (encoding == TextEncoding::kUtf8 ? u8"ä" : "") + std::string(length, 'w');
          word[word.size() - length + at] = marker;
          list_.pairs.clear();
          list_.pairs.append("x", word.c_str(), 1);
          EXPECT_EQ(save(list_), FileResult::CannotWrite) << length << " " << at;
        }
  // A list read from a word file holds no marker until a word changes into
  // one, which it still knows after another list held its pairs.
  std::string clean = folder_.write("clean.wdl", header() + pair("a", "b", 1) + "\x02");
  ASSERT_EQ(open(list_, clean.c_str(), kFormatNone, kSkip), FileResult::Ok);
  ASSERT_TRUE(list_.pairs.setWords(list_.pairs.head(), "a", "b\x03"));
  CPairList held;
  held.takeFrom(list_.pairs);
  list_.pairs.takeFrom(held);
  EXPECT_EQ(save(list_), FileResult::CannotWrite);
}

TEST_F(WordFileTest, ARoundTripKeepsEverything) {
  std::string bytes = header() + pair("\xE4iti", "mother", 1) + pair("x", "y", 0) + "\x02";
  ASSERT_EQ(openBytes(bytes), FileResult::Ok);
  list_.fileName = folder_.path("copy.wdl").c_str();
  ASSERT_EQ(save(list_), FileResult::Ok);
  EXPECT_EQ(TempFolder::read(list_.fileName.c_str()), bytes);
}

TEST_F(WordFileTest, AFailedSaveKeepsTheOldFile) {
  std::string bytes = header() + pair("a", "b", 1) + "\x02";
  std::string target = folder_.write("keep.wdl", bytes);
  ASSERT_EQ(open(list_, target.c_str(), kFormatNone, kSkip), FileResult::Ok);
  list_.pairs.append("new", "uusi", 1);
  list_.fileName = folder_.path("no such folder/keep.wdl").c_str();
  EXPECT_EQ(save(list_), FileResult::CannotCreate);
  EXPECT_EQ(list_.format, kFormatWordFile);
  ASSERT_EQ(chmod(folder_.path("").c_str(), 0500), 0);
  list_.fileName = target.c_str();
  if (geteuid() != 0) {  // root writes anywhere
    EXPECT_EQ(save(list_), FileResult::CannotCreate);
  }
  chmod(folder_.path("").c_str(), 0700);
  EXPECT_EQ(TempFolder::read(target), bytes);

  list_.pairs.append("ca\x03t", "kissa", 1);  // would read back as other pairs
  EXPECT_EQ(save(list_), FileResult::CannotWrite);
  list_.pairs.clear();
  list_.author = "Eng\x02";
  EXPECT_EQ(save(list_), FileResult::CannotWrite);
  list_.author = "A";
  ASSERT_EQ(chmod(target.c_str(), 0400), 0);  // read-only: refused even for root
  EXPECT_EQ(save(list_), FileResult::CannotCreate);
  EXPECT_EQ(TempFolder::read(target), bytes);
  for (const auto& entry : std::filesystem::directory_iterator(folder_.path("")))
    EXPECT_EQ(entry.path().extension(), ".wdl");  // no temporary file left
}

// A write failing in the middle of a long save, as on a full disk, is
// reported, and the old file stays, with no temporary file beside it.
TEST_F(WordFileTest, AWriteFailingMidwayKeepsTheOldFile) {
  std::string bytes = header() + pair("a", "b", 1) + "\x02";
  std::string target = folder_.write("keep.wdl", bytes);
  ASSERT_EQ(open(list_, target.c_str(), kFormatNone, kSkip), FileResult::Ok);
  for (int i = 0; i < 100000; ++i) list_.pairs.append("word", "sana", 1);
  {
    FileSizeLimit limit(300000);
    EXPECT_EQ(save(list_), FileResult::CannotWrite);
  }
  EXPECT_EQ(TempFolder::read(target), bytes);
  for (const auto& entry : std::filesystem::directory_iterator(folder_.path("")))
    EXPECT_EQ(entry.path().filename(), "keep.wdl");
}

// Saves running at the same moment into one folder never share a temporary
// file: each target gets its own list.
TEST_F(WordFileTest, ParallelSavesIntoOneFolderStayApart) {
  const int kSaves = 16;
  std::vector<WordList> lists(kSaves);
  for (int i = 0; i < kSaves; ++i) {
    lists[i].fileName = folder_.path("list" + std::to_string(i) + ".wdl").c_str();
    for (int n = 0; n < 20000; ++n) lists[i].pairs.append(std::to_string(i).c_str(), "x", 1);
  }
  std::atomic<int> ready{0};
  std::vector<FileResult> results(kSaves);
  std::vector<std::thread> savers;
  for (int i = 0; i < kSaves; ++i) {
    savers.emplace_back([&, i] {
      for (++ready; ready < kSaves;) std::this_thread::yield();
      results[i] = writeWordFile(lists[i]);
    });
  }
  for (std::thread& saver : savers) saver.join();
  for (int i = 0; i < kSaves; ++i) {
    ASSERT_EQ(results[i], FileResult::Ok) << i;
    WordList back;
    ASSERT_EQ(open(back, lists[i].fileName.c_str(), kFormatNone, kSkip), FileResult::Ok);
    EXPECT_EQ(back.pairs.count(), 20000);
    EXPECT_EQ(back.pairs.head()->firstWord, std::to_string(i).c_str());
  }
}

TEST_F(WordFileTest, QzlFilesReadAsWordLists) {
  // Only 1 and #TRUE# mark a pair.
  ASSERT_EQ(openBytes("\"Wdl11\",5\n\"English\",\"Finnish\",\"Me\",\"Old list\"\n"
                      "\"house\",\"talo\",#TRUE#\n\"dog\",\"koira\",0\n\"cat\",\"kissa\",1\n"
                      "\"bird\",\"lintu\",2\n\"fish\",\"kala\",#FALSE#\n"),
            FileResult::Ok);
  EXPECT_EQ(list_.format, kFormatWordFile);
  EXPECT_EQ(list_.secondLanguage, "Finnish");
  EXPECT_EQ(list_.information, "Old list");
  ASSERT_EQ(list_.pairs.count(), 5);
  std::string marks;
  for (WordPair* pair = list_.pairs.head(); pair; pair = pair->next) marks += std::to_string(pair->mark);
  EXPECT_EQ(marks, "10100");
  EXPECT_EQ(list_.pairs.pairAt(2)->secondWord, "kissa");
  list_.fileName = folder_.path("saved.wdl").c_str();
  ASSERT_EQ(save(list_), FileResult::Ok);
  EXPECT_TRUE(isWordFile(list_.fileName.c_str()));
}

TEST_F(WordFileTest, BadQzlFilesAreInvalid) {
  const char* cases[] = {
      "\"Wdl11\",x\n",
      "\"Wdl11\",1\n\"a\",\"b\",\"c\",\"d\"\n\"\",\"talo\",1\n",
      "\"Wdl11\",2\n\"a\",\"b\",\"c\",\"d\"\n\"house\",\"talo\",1\n",
      "\"Wdl11\",1\n\"a\",\"b\",\"c\",\"d\"\n\"house\",\"talo\",#YES#\n",
  };
  for (const char* bytes : cases) {
    SCOPED_TRACE(bytes);
    EXPECT_EQ(openBytes(bytes), FileResult::Invalid);
  }
  FileInfo info;
  EXPECT_EQ(readSummary(folder_.write("old.qzl", cases[0]).c_str(), &info), FileResult::OldFormat);
}

TEST_F(WordFileTest, TextBeginningWithTheFixedBytesIsAWordFile) {
  EXPECT_EQ(openBytes(kFixed + "a\tb\r\n"), FileResult::Invalid);
}

TEST_F(WordFileTest, OemTextRequestOfAWordFileIsUnknown) {
  EXPECT_EQ(openBytes(header() + pair("a", "b", 0) + "\x02", kFormatOemText), FileResult::UnknownFormat);
}

TEST_F(WordFileTest, SummaryCountsPairs) {
  FileInfo info;
  std::string path = folder_.write("s.wdl", header() + pair("a", "b", 1) + pair("c", "d", 0) + "\x02");
  ASSERT_EQ(readSummary(path.c_str(), &info), FileResult::Ok);
  EXPECT_EQ(info.firstLanguage, "English");
  EXPECT_EQ(info.author, "Teacher");
  EXPECT_EQ(info.wordCount, 2);
  EXPECT_EQ(readSummary(folder_.write("short", kFixed.substr(0, 7)).c_str(), &info), FileResult::Invalid);
  EXPECT_EQ(readSummary(folder_.write("text", "a\tb\r\nc\td\r\n").c_str(), &info), FileResult::UnknownFormat);
  EXPECT_EQ(readSummary(folder_.path("none").c_str(), &info), FileResult::CannotOpen);
  EXPECT_EQ(readSummary(folder_.write("long", header(std::string(10001, 'x')) + "\x02").c_str(), &info),
            FileResult::Invalid);
}

TEST_F(WordFileTest, IsWordFileLooksAtTheFixedBytes) {
  EXPECT_TRUE(isWordFile(folder_.write("a", kFixed).c_str()));
  EXPECT_FALSE(isWordFile(folder_.write("b", kFixed.substr(0, 7)).c_str()));
  EXPECT_FALSE(isWordFile(folder_.write("c", "plain text here").c_str()));
  EXPECT_FALSE(isWordFile(folder_.path("missing").c_str()));
}

// The sample lists that the setup program installs: each opens with its
// languages, author and information, and every pair is marked and whole.
TEST(SampleLists, OpenWithTheirHeadersAndWholeMarkedPairs) {
  const char* names[] = {"Basic1",  "Basic2",   "English1", "English2", "German1", "German2",
                         "Swedish1", "Swedish2", "French1",  "Estonian", "Verbs",    "Russian", "Greek"};
  for (const char* name : names) {
    SCOPED_TRACE(name);
    WordList list;
    std::string path = std::string(SAMPLES_FOLDER) + "/" + name + ".wdl";
    ASSERT_EQ(open(list, path.c_str(), kFormatNone, kSkip), FileResult::Ok);
    EXPECT_EQ(list.format, kFormatWordFile);
    EXPECT_FALSE(list.firstLanguage.empty() || list.secondLanguage.empty() || list.information.empty());
    EXPECT_EQ(list.author, "Verbolt team");
    EXPECT_GE(list.pairs.count(), 25);
    EXPECT_EQ(list.pairs.countMarked(), list.pairs.count());
    for (WordPair* pair = list.pairs.head(); pair; pair = pair->next)
      EXPECT_FALSE(pair->firstWord.empty() || pair->secondWord.empty()) << pair->id;
  }
}
