#include "wordlist/Utf8Text.h"
#include "wordlist/WordFile.h"

#include "tests/unit/TempFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(Utf8TextTest, RecognisesUtf8ByItsMarkOrByItsSequences) {
  struct Case {
    const char* what;
    std::string text;
    bool utf8;
  } cases[] = {
      {"byte order mark before bad bytes", "\xEF\xBB\xBF" "\xE4iti", true},
      {"two-byte sequence", "\xC3\xA4iti\tmother", true},
      {"plain ASCII", "cat\tkissa\r\n", false},
      {"code page 1252", "\xE4iti\tmother", false},
      {"overlong form", "\xC0\xAF", false},
      {"surrogate", "\xED\xA0\x80", false},
  };
  for (const Case& c : cases) EXPECT_EQ(isUtf8Text(c.text.data(), c.text.size()), c.utf8) << c.what;
}

TEST(Utf8TextTest, ConvertsToCodePage1252AndNamesTheLinesItCannotHold) {
  std::string text = "\xEF\xBB\xBF" "caf\xC3\xA9\t\xE2\x82\xAC\r\n"  // line 1: café, euro
                     "\r\n"                                           // line 2
                     "\xE4\xB8\x80\tone\n"                            // line 3: a CJK character
                     "na\xC3\xAFve\r"                                 // line 4: naïve, CR alone
                     "\xF0\x9F\x98\x80 \xFF\n"                        // line 5: an emoji and a stray byte
                     "\xC2\x80\xC2\x81\n";                            // line 6: U+0080, not in the code page, and U+0081
  std::vector<int> bad;
  EXPECT_EQ(utf8ToCp1252(text.data(), text.size(), &bad), "caf\xE9\t\x80\r\n\r\n?\tone\nna\xEFve\r? ?\n?\x81\n");
  EXPECT_EQ(bad, (std::vector<int>{3, 5, 6}));
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  std::string utf8 = cp1252ToUtf8(all.data(), all.size());
  EXPECT_EQ(utf8.substr(utf8.size() - 2), "\xC3\xBF");
  bad.clear();
  EXPECT_EQ(utf8ToCp1252(utf8.data(), utf8.size(), &bad), all);
  EXPECT_TRUE(bad.empty());
}

TEST(Utf8TextTest, TextImportAsksAboutEachLineItCannotHoldByItsNumber) {
  TempFolder folder;
  std::string path = folder.write("list.txt", "caf\xC3\xA9\tkahvila\r\n\xE4\xB8\x80\tone\r\nsolo\r\nna\xC3\xAFve\t\xE2\x98\x83");
  for (bool goOn : {true, false}) {
    std::vector<InvalidLine> asked;
    WordList list;
    FileResult result = open(list, path.c_str(), kFormatNone, [&](const InvalidLine& line) {
      asked.push_back(line);
      return goOn;
    });
    if (!goOn) {
      EXPECT_EQ(result, FileResult::UnknownFormat);
      ASSERT_EQ(asked.size(), 1u);
      continue;
    }
    ASSERT_EQ(result, FileResult::Ok);
    ASSERT_EQ(asked.size(), 3u);
    using Reason = InvalidLine::Reason;
    EXPECT_TRUE(asked[0].reason == Reason::Unconvertible && asked[0].number == 2);
    EXPECT_TRUE(asked[1].reason == Reason::NoPair && asked[1].number == 3);
    EXPECT_TRUE(asked[2].reason == Reason::Unconvertible && asked[2].number == 4);  // the last line, even without a break
    ASSERT_EQ(list.pairs.count(), 1);
    EXPECT_EQ(list.pairs.pairAt(0)->firstWord, "caf\xE9");
    EXPECT_EQ(list.format, kFormatText);

    list.fileName = folder.path("back.txt").c_str();
    ASSERT_EQ(writeUtf8Text(list), FileResult::Ok);
    EXPECT_EQ(TempFolder::read(list.fileName.c_str()), "caf\xC3\xA9\tkahvila\r\n");
  }
}
