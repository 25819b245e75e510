#include "editor/model/CharacterScripts.h"
#include "editor/model/ClipboardText.h"
#include "editor/model/FindHistory.h"
#include "editor/model/WordFinder.h"
#include "editor/model/WordlistBlock.h"
#include "tests/unit/EncodingScope.h"
#include "wordlist/WordFileLayout.h"

#include "tests/unit/EncodingScope.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>

namespace {

// Rows as "first/second" with "+" for a checked row.
std::string shown(const WordRows& rows) {
  std::string text;
  for (int row = 0; row < rows.count(); ++row)
    text += std::string(rows.checked(row) ? "+" : "") + rows.at(row).firstWord.c_str() + "/" +
            rows.at(row).secondWord.c_str() + " ";
  return text;
}

std::string listed(WordList& list) {
  std::string text;
  for (WordPair* pair = list.pairs.head(); pair; pair = pair->next)
    text += std::to_string(pair->id) + (pair->mark ? "+" : "") + pair->firstWord.c_str() + "/" +
            pair->secondWord.c_str() + " ";
  return text;
}

void lowerKey(const PairWord& word, std::string* key) {
  key->clear();
  for (const char* p = word.c_str(); *p; ++p) key->push_back(static_cast<char>(std::tolower(*p)));
}

class EditorTest : public ::testing::Test {
 protected:
  void open(std::initializer_list<const char*> words) {
    bool marked = true;
    for (const char* word : words) {
      std::string first(word), second(word);
      second[0] = static_cast<char>(std::toupper(second[0]));
      list_.pairs.append(first.c_str(), second.c_str(), marked);
      marked = !marked;
    }
    rows_.takeFrom(list_);
  }

  bool paste(const std::string& block) {
    return readWordlistBlock(block.data(), block.size(), [&](const char* first, const char* second, bool checked) {
      return rows_.append(first, second, checked);
    });
  }

  WordList list_;
  WordRows rows_;
};

}  // namespace

TEST_F(EditorTest, RowsLeaveTheListAndComeBackInDisplayOrder) {
  open({"house", "Cat", "bird", "apple"});
  EXPECT_EQ(list_.pairs.count(), 0);
  EXPECT_EQ(shown(rows_), "+house/House Cat/Cat +bird/Bird apple/Apple ");

  rows_.lendTo(list_);  // the autosave's snapshot: the same pairs, numbered in display order
  EXPECT_EQ(listed(list_), "0+house/House 1Cat/Cat 2+bird/Bird 3apple/Apple ");
  rows_.takeBack(list_);
  EXPECT_EQ(list_.pairs.count(), 0);

  rows_.sort(WordRows::kSecondWord, true, lowerKey);
  EXPECT_EQ(shown(rows_), "+house/House Cat/Cat +bird/Bird apple/Apple ");
  rows_.sort(WordRows::kFirstWord, false, lowerKey);
  EXPECT_EQ(shown(rows_), "apple/Apple +bird/Bird Cat/Cat +house/House ");
  EXPECT_FALSE(rows_.moveUp(0));
  EXPECT_FALSE(rows_.moveDown(3));
  EXPECT_TRUE(rows_.moveDown(0));
  EXPECT_TRUE(rows_.moveUp(3));
  EXPECT_EQ(shown(rows_), "+bird/Bird apple/Apple +house/House Cat/Cat ");
  rows_.swapWords(1);
  rows_.invertChecks();
  rows_.remove({0, 3});
  ASSERT_TRUE(rows_.append("new\x01", "\x02r\x03ow", true));
  EXPECT_EQ(shown(rows_), "+Apple/apple house/House +new/row ");

  list_.pairs.append("left from", "a snapshot", 1);
  rows_.giveBack(list_);
  EXPECT_EQ(rows_.count(), 0);
  EXPECT_EQ(listed(list_), "0+Apple/apple 1house/House 2+new/row ");
}

// Each pair's history holds its first letter as its right answers; a pair
// pasted from the clipboard has none.
TEST_F(EditorTest, APairKeepsItsHistoryThroughEveryEditButNotThroughTheClipboard) {
  for (const char* word : {"cat", "apple", "bird"}) {
    list_.pairs.append(word, word, 1);
    list_.pairs.historyOf(list_.pairs.last())->rightCount = static_cast<uint16_t>(word[0]);
  }
  rows_.takeFrom(list_);
  rows_.sort(WordRows::kFirstWord, false, lowerKey);
  ASSERT_TRUE(rows_.moveDown(0));
  rows_.swapWords(2);
  ASSERT_TRUE(rows_.setWords(1, "bat", "lepakko"));
  rows_.lendTo(list_);
  rows_.takeBack(list_);
  ASSERT_TRUE(paste(makeWordlistBlock(rows_, {0})));
  rows_.giveBack(list_);
  std::string histories;
  for (WordPair* pair = list_.pairs.head(); pair; pair = pair->next)
    histories += std::string(pair->firstWord.c_str()) + ":" +
                 (pair->history ? std::string(1, static_cast<char>(pair->history->rightCount)) : "-") + " ";
  EXPECT_EQ(histories, "bird:b bat:a cat:c bird:- ");
}

TEST_F(EditorTest, MarkingCommandsAndTruncation) {
  open({"a", "b", "c"});
  rows_.checkAll(true);
  EXPECT_EQ(shown(rows_), "+a/A +b/B +c/C ");
  rows_.checkAll(false);
  rows_.setChecked(1, true);
  EXPECT_EQ(shown(rows_), "a/A +b/B c/C ");
  rows_.append("d", "D", true);
  rows_.truncate(3);
  EXPECT_EQ(rows_.count(), 3);

  // Any mark but 0 shows as a check, and comes back as the 1 that the drill
  // counts.
  WordList list;
  list.pairs.append("x", "X", 5);
  WordRows rows;
  rows.takeFrom(list);
  EXPECT_TRUE(rows.checked(0));
  rows.giveBack(list);
  EXPECT_EQ(list.pairs.countMarked(), 1);
}

TEST_F(EditorTest, WordlistBlockRoundTripsSelectedRows) {
  open({"cat", "dog", "fish"});
  std::string block = makeWordlistBlock(rows_, {0, 2});
  EXPECT_EQ(block, std::string("\xFF\x01\x02\0\0\0cat\0Cat\0\x01" "fish\0Fish\0\x01", 26));
  ASSERT_TRUE(paste(block + "trailing bytes"));
  EXPECT_EQ(shown(rows_), "+cat/Cat dog/Dog +fish/Fish +cat/Cat +fish/Fish ");
  EXPECT_TRUE(paste(makeWordlistBlock(rows_, {})));
  EXPECT_EQ(rows_.count(), 5);
}

TEST_F(EditorTest, DamagedWordlistBlocksPasteNothing) {
  struct Case {
    const char* what;
    std::string block;
  } cases[] = {
      {"count larger than the block", std::string("\xFF\x01\x03\0\0\0a\0b\0\x01", 11)},
      {"huge count", std::string("\xFF\x01\xFF\xFF\xFF\xFF" "a\0b\0\x01", 11)},
      {"words without their 0 bytes", std::string("\xFF\x01\x01\0\0\0abc", 9)},
      {"mark byte missing", std::string("\xFF\x01\x01\0\0\0a\0b\0", 10)},
      {"other first bytes", std::string("\xFF\x03\x01\0\0\0a\0b\0\x01", 11)},
      {"header cut short", std::string("\xFF\x01\x01\0", 4)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(paste(c.block));
    EXPECT_EQ(rows_.count(), 0);
  }
  EXPECT_TRUE(paste(std::string("\xFF\x01\x01\0\0\0\x01" "a\x02\0\x03" "b\0\x05", 14)));
  EXPECT_EQ(shown(rows_), "a/b ");  // reserved bytes dropped; only mark byte 1 checks
}

TEST_F(EditorTest, ClipboardTextLinesAndThePasteButtonsTest) {
  open({"house"});
  EXPECT_EQ(makeClipboardText(rows_, {0}), "house\tHouse\r\n");
  std::vector<std::string> pasted;
  auto collect = [&](const std::string& first, const std::string& second) {
    pasted.push_back(first + "/" + second);
    return true;
  };
  std::string text = "cat\tkissa\r\nlonely\r\ndog  koira\nx\ty";
  EXPECT_TRUE(readClipboardText(text.data(), text.size() - 2, collect));  // the block ends before "\ty"
  EXPECT_EQ(pasted, (std::vector<std::string>{"cat/kissa", "dog/koira"}));
  pasted.clear();
  EXPECT_TRUE(readClipboardText("a\tb\0c\td", 7, collect));
  EXPECT_EQ(pasted, (std::vector<std::string>{"a/b"}));
  pasted.clear();
  // A word longer than a word file holds drops its line.
  const std::string longest(kLongestWordFileText, 'a');
  text = longest + "\tx\r\ny\t" + longest + "b\r\n" + longest + "c\tz";
  EXPECT_TRUE(readClipboardText(text.data(), text.size(), collect));
  EXPECT_EQ(pasted, (std::vector<std::string>{longest + "/x"}));

  struct Case {
    const char* text;
    bool pastable;
  } cases[] = {
      {"cat\tkissa\r\ndog  koira\r\n", true},
      {"\r\n  cat\tkissa\r\nlast line", true},
      {"word\t\r\n", true},
      {"trailing\tblanks \t \r\n", true},
      {"one word\r\nx\ty\r\n", false},
      {"a\tb\tc\r\n", false},
      {"a\tb\tc", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(isPastableText(c.text, std::strlen(c.text)), c.pastable);
  }
}

TEST_F(EditorTest, FindMatchesPatternsWholeWordsAndCase) {
  open({"house", "mouse", "talo", "", "horse"});
  rows_.swapWords(2);  // Talo/talo
  EXPECT_EQ(findRow(rows_, -1, "HOUSE", kFindDown), 0);
  EXPECT_EQ(findRow(rows_, -1, "HOUSE", kFindDown | kFindMatchCase), -1);
  EXPECT_EQ(findRow(rows_, -1, "Hou", kFindDown | kFindMatchCase), 0);  // the second word House
  EXPECT_EQ(findRow(rows_, -1, "hous", kFindDown | kFindWholeWord), -1);
  EXPECT_EQ(findRow(rows_, -1, "hous", kFindDown), 0);
  EXPECT_EQ(findRow(rows_, 1, "h?use", kFindDown), 0);
  EXPECT_EQ(findRow(rows_, 0, "h*e", kFindDown), 4);
  EXPECT_EQ(findRow(rows_, 4, "ho*use", kFindDown), -1);
  EXPECT_EQ(findRow(rows_, 0, "house", kFindDown), -1);  // the start row is not tested
  EXPECT_EQ(findRow(rows_, 4, "house", kFindDown), 0);   // wraps from the last row
  EXPECT_EQ(findRow(rows_, 0, "horse", 0), 4);           // upwards from the first row
  EXPECT_EQ(findRow(rows_, -1, "o", 0), 4);              // no start: from the bottom upwards
  EXPECT_EQ(findRow(rows_, -1, "talo", kFindDown | kFindMatchCase), 2);
  EXPECT_EQ(findRow(rows_, -1, "", kFindDown), -1);
}

// ήλιος and νερό: Greek case folds with its final sigma, accents stay.
TEST_F(EditorTest, FindFoldsTheCaseOfEveryScriptInUtf8) {
  EncodingScope utf8(TextEncoding::kUtf8);
  open({"\xCE\xAE\xCE\xBB\xCE\xB9\xCE\xBF\xCF\x82", "\xCE\xBD\xCE\xB5\xCF\x81\xCF\x8C"});
  EXPECT_EQ(findRow(rows_, -1, "\xCE\x9D\xCE\x95\xCE\xA1\xCE\x8C", kFindDown), 1);                  // ΝΕΡΌ
  EXPECT_EQ(findRow(rows_, 1, "\xCE\x89\xCE\x9B\xCE\x99\xCE\x9F\xCE\xA3", kFindDown | kFindWholeWord), 0);  // ΉΛΙΟΣ
  EXPECT_EQ(findRow(rows_, -1, "\xCE\x9D\xCE\x95\xCE\xA1\xCE\x9F", kFindDown), -1);                  // ΝΕΡΟ
  FindHistory history;
  history.add("\xCE\x9D\xCE\xB5\xCF\x81\xCF\x8C");
  history.add("\xCE\x9D\xCE\x95\xCE\xA1\xCE\x8C");
  EXPECT_EQ(history.entries().size(), 1u);
}

// The code page's own characters alone, or with UTF-8 every script, the code
// page's first, each character inserted in the program's encoding.
TEST(CharacterScripts, TheCodePageAloneOrEveryScriptInUtf8) {
  {
    EncodingScope western(TextEncoding::kCp1252);
    std::vector<CharacterScript> scripts = characterScripts();
    ASSERT_EQ(scripts.size(), 1u);
    ASSERT_EQ(scripts[0].codes.size(), 224u);
    EXPECT_EQ(scripts[0].codes[0x80 - 32], 0x80u);
    EXPECT_EQ(characterText(0xE4), "\xE4");
  }
  EncodingScope utf8(TextEncoding::kUtf8);
  std::vector<CharacterScript> scripts = characterScripts();
  ASSERT_EQ(scripts.size(), 16u);
  ASSERT_EQ(scripts[0].codes.size(), 224u);
  EXPECT_EQ(scripts[0].codes[0x80 - 32], 0x20ACu);  // the euro sign
  EXPECT_EQ(scripts[0].codes[0xE4 - 32], 0xE4u);
  EXPECT_EQ(scripts[5].codes.size(), 256u);  // Cyrillic
  EXPECT_EQ(scripts[5].codes[0x3A], 0x43Au);
  for (const CharacterScript& script : scripts) EXPECT_FALSE(script.codes.empty()) << script.nameId;
  EXPECT_EQ(characterText(0x43A), "\xD0\xBA");
  EXPECT_EQ(characterText(0xE4), "\xC3\xA4");
}

TEST(FindHistory, KeepsTenDistinctTextsMostRecentFirst) {
  FindHistory history;
  history.appendStored("older");
  history.appendStored("");
  history.add("House");
  history.add("cat");
  history.add("HOUSE");
  ASSERT_EQ(history.entries().size(), 3u);
  EXPECT_EQ(history.entries()[0], "HOUSE");
  EXPECT_EQ(history.entries()[1], "cat");
  for (int i = 0; i < 10; ++i) history.add(std::to_string(i).c_str());
  ASSERT_EQ(history.entries().size(), 10u);
  EXPECT_EQ(history.entries()[0], "9");
  EXPECT_EQ(history.entries()[9], "0");
}

TEST_F(EditorTest, FindAndTheBlockWorkOnCharactersOfEveryScript) {
  EncodingScope utf8(TextEncoding::kUtf8);
  list_.pairs.append(u8"Ἀθῆναι", u8"ΑΘΉΝΑ", 1);
  list_.pairs.append(u8"日本語", u8"にほんご", 0);
  list_.pairs.append(u8"Москва", "Moscow", 1);
  rows_.takeFrom(list_);
  const struct {
    const char* text;
    unsigned flags;
    int row;
  } cases[] = {
      {u8"日?語", kFindDown, 1},           {u8"日??語", kFindDown, -1},  {u8"МОСКВА", kFindWholeWord, 2},
      {u8"ἀθ*αι", kFindDown, 0},          {u8"αθήνα", kFindWholeWord, 0}, {u8"МОСК", kFindMatchCase, -1},
      {u8"*ほ?ご", kFindDown, 1},
  };
  for (const auto& c : cases) EXPECT_EQ(findRow(rows_, -1, c.text, c.flags), c.row) << c.text;

  std::string block = makeWordlistBlock(rows_, {2, 1});
  EXPECT_EQ(block.substr(0, 2), "\xFF\x02");
  ASSERT_TRUE(paste(block));
  const std::string pasted = u8"+Москва/Moscow 日本語/にほんご ";
  EXPECT_EQ(shown(rows_).substr(shown(rows_).size() - pasted.size()), pasted);
  std::string latin = makeWordlistBlock(rows_, {});
  EXPECT_EQ(latin.substr(0, 2), "\xFF\x01");
  EncodingScope cp1252(TextEncoding::kCp1252);
  ASSERT_TRUE(paste(block));
  EXPECT_EQ(std::string(rows_.at(rows_.count() - 1).firstWord.c_str()), "???");
}

TEST_F(EditorTest, APastedBlockLeavesOutWordsLongerThanAWordFileHolds) {
  EncodingScope utf8(TextEncoding::kUtf8);
  std::string letters;
  for (unsigned i = 0; i < kLongestWordFileText; ++i) letters += u8"ж";
  const std::string longest(kLongestWordFileText, 'a');
  list_.pairs.append(letters.c_str(), "fits", 1);
  list_.pairs.append((letters + u8"ж").c_str(), "one letter too many", 1);
  list_.pairs.append("latin", (longest + "a").c_str(), 1);
  rows_.takeFrom(list_);
  const std::string block = makeWordlistBlock(rows_, {0, 1, 2});
  ASSERT_TRUE(paste(block));
  ASSERT_EQ(rows_.count(), 4);
  EXPECT_EQ(rows_.at(3).secondWord, "fits");  // 32000 letters in twice as many bytes

  EncodingScope cp1252(TextEncoding::kCp1252);
  ASSERT_TRUE(paste(block));  // converted: a '?' for each letter
  ASSERT_EQ(rows_.count(), 5);
  EXPECT_EQ(rows_.at(4).firstWord.length(), kLongestWordFileText);
  ASSERT_TRUE(paste(makeWordlistBlock(rows_, {2})));  // the code page's own block, not converted
  EXPECT_EQ(rows_.count(), 5);
}
