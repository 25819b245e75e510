// Word files, text files and combining with words in any script, where the
// program's strings are UTF-8 and where they are code page 1252.
#include "wordlist/FileCombiner.h"
#include "wordlist/Utf8Text.h"
#include "wordlist/WordFile.h"
#include "wordlist/WordFileLayout.h"

#include "tests/unit/EncodingScope.h"
#include "tests/unit/TempFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

const InvalidLineQuestion kSkip = [](const InvalidLine&) { return true; };

// A word in each script, beside its English.
const std::vector<std::pair<std::string, std::string>> kScripts = {
    {u8"żółć", "gall"},         {u8"čeština", "Czech"},  {u8"ığdır İzmir", "Turkish towns"},
    {u8"ψυχή", "soul"},         {u8"дом", "house"},      {u8"日本語", "Japanese"},
    {u8"汉字", "characters"},   {u8"한국어", "Korean"},  {u8"العربية", "Arabic"},
};

std::string bytesOf(const PairWord& word) { return std::string(word.c_str(), word.length()); }

void fill(WordList* list) {
  list->firstLanguage = u8"Русский";
  list->secondLanguage = "English";
  for (const auto& words : kScripts) list->pairs.append(words.first.c_str(), words.second.c_str(), 1);
}

std::vector<std::string> firstWords(const WordList& list) {
  std::vector<std::string> words;
  for (WordPair* pair = list.pairs.head(); pair; pair = pair->next) words.push_back(bytesOf(pair->firstWord));
  return words;
}

std::vector<std::string> scriptWords() {
  std::vector<std::string> words;
  for (const auto& pair : kScripts) words.push_back(pair.first);
  return words;
}

}  // namespace

TEST(ScriptsFileTest, AWordFileInUtf8KeepsEveryScriptAndOnlyReadersThatKnowItTakeIt) {
  TempFolder folder;
  WordList list;
  std::string path = folder.path("scripts.wdl");
  {
    EncodingScope utf8(TextEncoding::kUtf8);
    fill(&list);
    list.fileName = path.c_str();
    ASSERT_EQ(writeWordFile(list), FileResult::Ok);
    EXPECT_EQ(TempFolder::read(path).substr(0, 8), std::string(kUtf8WordFileFixedBytes, 8));

    WordList back;
    ASSERT_EQ(open(back, path.c_str(), kFormatNone, kSkip), FileResult::Ok);
    EXPECT_EQ(firstWords(back), scriptWords());
    EXPECT_EQ(back.firstLanguage, u8"Русский");
    EXPECT_FALSE(back.charactersLost);
    back.pairs.historyOf(back.pairs.head())->box = 2;
    EXPECT_EQ(storeHistory(back), FileResult::Ok);
    FileInfo info;
    ASSERT_EQ(readSummary(path.c_str(), &info), FileResult::Ok);
    EXPECT_EQ(info.wordCount, static_cast<int>(kScripts.size()));
    EXPECT_EQ(info.firstLanguage, u8"Русский");
  }
  // A reader that knows only code page 1252 finds no word file there, and
  // its text reader refuses the 0 in the fixed bytes.
  WordList old;
  old.fileName = path.c_str();
  EXPECT_EQ(readText(old, false, kSkip), FileResult::UnknownFormat);

  // Where the program's strings are code page 1252 the list opens with '?'
  // for what the code page lacks, and says so.
  WordList shown;
  ASSERT_EQ(open(shown, path.c_str(), kFormatNone, kSkip), FileResult::Ok);
  EXPECT_TRUE(shown.charactersLost);
  EXPECT_EQ(shown.firstLanguage, "???????");
  EXPECT_EQ(bytesOf(shown.pairs.head()->firstWord), "?\xF3??");
  EXPECT_EQ(bytesOf(shown.pairs.pairAt(5)->firstWord), "???");
  EXPECT_NE(shown.pairs.head()->history, nullptr);
  // The histories cannot be stored over words that the list lost.
  EXPECT_EQ(storeHistory(shown), FileResult::Invalid);
}

TEST(ScriptsFileTest, ListsThatFitCodePage1252KeepTheirBytesWhereTheProgramRunsInUtf8) {
  TempFolder folder;
  std::string sample = std::string(SAMPLES_FOLDER) + "/English-Finnish.wdl";
  std::string original = TempFolder::read(sample);
  std::string accented = folder.write("accented.wdl", original);
  EncodingScope utf8(TextEncoding::kUtf8);
  WordList list;
  ASSERT_EQ(open(list, accented.c_str(), kFormatNone, kSkip), FileResult::Ok);
  bool anyAccent = false;
  for (WordPair* pair = list.pairs.head(); pair; pair = pair->next)
    anyAccent |= (bytesOf(pair->firstWord) + bytesOf(pair->secondWord)).find(u8"ä") != std::string::npos;
  EXPECT_TRUE(anyAccent);
  ASSERT_EQ(save(list), FileResult::Ok);
  EXPECT_EQ(TempFolder::read(accented), original);

  list.fileName = folder.path("accented.txt").c_str();
  ASSERT_EQ(writeText(list, false), FileResult::Ok);
  std::string text = TempFolder::read(list.fileName.c_str());
  EXPECT_NE(text.find("\xE4iti"), std::string::npos);
  EXPECT_EQ(text.find("\xC3"), std::string::npos);
}

// The list is longer than the writer's buffer, so that the part already
// written in code page 1252 is on disk when its last word turns out not to fit.
TEST(ScriptsFileTest, AListWhoseLastWordNeedsUtf8IsWrittenWholeInUtf8) {
  TempFolder folder;
  EncodingScope utf8(TextEncoding::kUtf8);
  WordList list;
  list.firstLanguage = u8"Français";
  char word[32];
  for (int i = 0; i < 10000; ++i) {
    std::snprintf(word, sizeof word, u8"päivä%05d", i);
    list.pairs.append(word, u8"día", i % 2);
  }
  list.pairs.append(u8"дом", "house", 0);
  list.fileName = folder.path("last.wdl").c_str();
  ASSERT_EQ(writeWordFile(list), FileResult::Ok);
  std::string bytes = TempFolder::read(list.fileName.c_str());
  EXPECT_EQ(bytes.substr(0, 8), std::string(kUtf8WordFileFixedBytes, 8));
  EXPECT_EQ(bytes.find("\xE4"), std::string::npos);

  WordList read;
  ASSERT_EQ(open(read, list.fileName.c_str(), kFormatNone, kSkip), FileResult::Ok);
  EXPECT_EQ(read.firstLanguage, list.firstLanguage);
  EXPECT_EQ(firstWords(read), firstWords(list));
  EXPECT_EQ(bytesOf(read.pairs.head()->secondWord), u8"día");
  EXPECT_EQ(read.pairs.head()->next->mark, 1);
}

TEST(ScriptsFileTest, TextFilesInUtf16AndUtf8CarryEveryScript) {
  TempFolder folder;
  EncodingScope utf8(TextEncoding::kUtf8);
  std::string lines = u8"дом\thouse\r\n日本語\tJapanese\r\n";
  std::string little("\xFF\xFE", 2), big("\xFE\xFF", 2);
  for (wchar_t unit : utf16Of(lines)) {
    little += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    big += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
  }
  for (const std::string& bytes : {little, big, "\xEF\xBB\xBF" + lines, lines}) {
    WordList list;
    std::string path = folder.write("list.txt", bytes);
    ASSERT_EQ(open(list, path.c_str(), kFormatNone, kSkip), FileResult::Ok);
    EXPECT_EQ(firstWords(list), (std::vector<std::string>{u8"дом", u8"日本語"}));
    list.fileName = folder.path("back.txt").c_str();
    ASSERT_EQ(writeText(list, false), FileResult::Ok);
    EXPECT_EQ(TempFolder::read(list.fileName.c_str()), "\xEF\xBB\xBF" + lines);
  }
  EncodingScope cp1252(TextEncoding::kCp1252);
  std::vector<int> asked;
  WordList list;
  std::string path = folder.write("list.txt", little);
  ASSERT_EQ(open(list, path.c_str(), kFormatNone, [&](const InvalidLine& line) {
              asked.push_back(line.number);
              return line.reason == InvalidLine::Reason::Unconvertible;
            }),
            FileResult::Ok);
  EXPECT_EQ(asked, (std::vector<int>{1, 2}));
}

TEST(ScriptsFileTest, CombiningWithAListInUtf8GivesUtf8AndKeepsEveryWord) {
  TempFolder folder;
  EncodingScope utf8(TextEncoding::kUtf8);
  WordList scripts, latin;
  fill(&scripts);
  scripts.fileName = folder.path("scripts.wdl").c_str();
  ASSERT_EQ(writeWordFile(scripts), FileResult::Ok);
  latin.pairs.append(u8"café", "kahvila", 0);
  latin.fileName = folder.path("latin.wdl").c_str();
  ASSERT_EQ(writeWordFile(latin), FileResult::Ok);
  EXPECT_EQ(TempFolder::read(latin.fileName.c_str()).substr(0, 8), std::string(kWordFileFixedBytes, 8));

  FileInfo header;
  header.firstLanguage = u8"Ελληνικά";
  std::string both = folder.path("both.wdl");
  ASSERT_EQ(combineWordFiles(latin.fileName.c_str(), scripts.fileName.c_str(), both.c_str(), header, WordOrder::Reversed),
            CombineResult::Ok);
  WordList combined;
  ASSERT_EQ(open(combined, both.c_str(), kFormatNone, kSkip), FileResult::Ok);
  EXPECT_EQ(combined.firstLanguage, u8"Ελληνικά");
  ASSERT_EQ(combined.pairs.count(), 1 + static_cast<int>(kScripts.size()));
  EXPECT_EQ(bytesOf(combined.pairs.head()->firstWord), u8"café");
  EXPECT_EQ(combined.pairs.head()->mark, 0);
  EXPECT_EQ(bytesOf(combined.pairs.last()->secondWord), u8"العربية");

  FileInfo plain;
  plain.firstLanguage = u8"Français";
  ASSERT_EQ(combineWordFiles(latin.fileName.c_str(), latin.fileName.c_str(), both.c_str(), plain, WordOrder::Same),
            CombineResult::Ok);
  EXPECT_EQ(TempFolder::read(both).substr(0, 17), std::string(kWordFileFixedBytes, 8) + "Fran\xE7" "ais\x03");
}
