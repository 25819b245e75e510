#include "wordlist/Utf8Text.h"
#include "wordlist/Cp1252Walk.h"
#include "wordlist/WordFile.h"

#include "tests/unit/EncodingScope.h"
#include "tests/unit/TempFiles.h"

#include "framework/core/Text.h"

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

TEST(Utf8TextTest, StepsOverWholeCharactersInEveryScript) {
  EncodingScope utf8(TextEncoding::kUtf8);
  struct Case {
    const char* what;
    std::string text;
    std::vector<size_t> starts;
  } cases[] = {
      {"Polish", u8"żół", {0, 2, 4}},
      {"Greek", u8"λόγ", {0, 2, 4}},
      {"Japanese", u8"日本", {0, 3}},
      {"Korean and an emoji", u8"한😀", {0, 3}},
      {"Arabic", u8"سلام", {0, 2, 4, 6}},
      {"stray and cut bytes", "a\xFF\xC3\xE6\x97", {0, 1, 2, 3, 4}},
  };
  for (const Case& c : cases) {
    std::vector<size_t> forward, backward;
    for (size_t i = 0; i < c.text.size(); i = nextCharacter(c.text, i)) forward.push_back(i);
    for (size_t i = c.text.size(); i > 0;) backward.insert(backward.begin(), i = previousCharacter(c.text, i));
    EXPECT_EQ(forward, c.starts) << c.what;
    EXPECT_EQ(backward, c.starts) << c.what;
    EXPECT_EQ(characterCount(c.text), c.starts.size()) << c.what;
  }
  EXPECT_EQ(cutLength(u8"aж日", 2), 1u);
  EXPECT_EQ(cutLength(u8"aж日", 5), 3u);
  EXPECT_EQ(cutLength(u8"aж日", 6), 6u);
  EncodingScope cp1252(TextEncoding::kCp1252);
  EXPECT_EQ(cutLength(u8"aж日", 2), 2u);
  EXPECT_EQ(characterCount(u8"żół"), 6u);
  EXPECT_EQ(nextCharacter("\xE4x", 0), 1u);
}

TEST(Utf8TextTest, FoldsCaseAndDropsMarksForEveryScriptThatHasThem) {
  EncodingScope utf8(TextEncoding::kUtf8);
  struct Case {
    const char* what;
    std::string text, folded, plain;
  } cases[] = {
      {"Polish", u8"ŻÓŁĆ gęślą", u8"żółć gęślą", u8"ZOLC gesla"},
      {"Czech", u8"Čeština ŮŘ", u8"čeština ůř", u8"Cestina UR"},
      {"Turkish", u8"İĞNE ışık", u8"iğne ışık", u8"IGNE ısık"},
      {"Greek with final sigma", u8"ΟΔΥΣΣΕΎΣ ῷς", u8"οδυσσεύσ ῷσ", u8"ΟΔΥΣΣΕΥΣ ως"},
      {"Cyrillic", u8"ЁЛКА йод", u8"ёлка йод", u8"ЕЛКА иод"},
      {"decomposed marks", u8"Cafe\u0301", u8"cafe\u0301", u8"Cafe"},
      {"Armenian and Georgian", u8"ԱՐԵՎ ᲛᲖᲔ", u8"արեվ მზე", u8"ԱՐԵՎ ᲛᲖᲔ"},
      {"Japanese, Chinese, Korean, Arabic", u8"ひらがな 汉字 한국어 العربية", u8"ひらがな 汉字 한국어 العربية",
       u8"ひらがな 汉字 한국어 العربية"},
      {"stray bytes", "A\xFF\xC3", "a\xFF\xC3", "A\xFF\xC3"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(foldCase(c.text), c.folded) << c.what;
    EXPECT_EQ(withoutMarks(c.text), c.plain) << c.what;
  }
}

TEST(Utf8TextTest, InCodePage1252FoldingAndMarksStayAsTheyWere) {
  EncodingScope cp1252(TextEncoding::kCp1252);
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  CText lowered(all.c_str());
  lowered.lower();
  EXPECT_EQ(foldCase(all), lowered.c_str());
  EXPECT_EQ(withoutMarks("\x8A\x9E\x9F\xC0\xC6\xD0\xD7\xD8\xDF\xE9\xF8\xFF"), "SzYA\xC6\xD0\xD7O\xDF" "eoy");
}

// The conversion for saving walks eight bytes at a time and the rest byte by
// byte: one character of each kind at every place of texts around those
// lengths, against the character-by-character conversion.
TEST(Utf8TextTest, PutsCodePage1252AtEveryPlaceOfAText) {
  struct Kind {
    std::string utf8;
    bool fits, control;
  } kinds[] = {{u8"ä", true, false}, {u8"€", true, false}, {"\t", true, true},
               {u8"ж", false, false}, {"\xC3", false, false}};
  for (const Kind& kind : kinds)
    for (size_t length = 1; length <= 20; ++length)
      for (size_t at = 0; at < length; ++at) {
        std::string text = std::string(at, 'a') + kind.utf8 + std::string(length - at - 1, 'b');
        std::vector<char> out(text.size());
        size_t written = 0;
        bool control = false;
        bool fits = putCp1252(text.data(), text.size(), out.data(), &written, &control);
        ASSERT_EQ(fits, kind.fits) << kind.utf8 << " " << length << " " << at;
        ASSERT_EQ(fitsCp1252(text), kind.fits);
        if (!fits) continue;
        std::vector<int> badLines;
        EXPECT_EQ(std::string(out.data(), written), utf8ToCp1252(text.data(), text.size(), &badLines));
        EXPECT_EQ(control, kind.control) << length << " " << at;
      }
}

TEST(Utf8TextTest, ConvertsToUtf16AndBackWithoutLoss) {
  EncodingScope utf8(TextEncoding::kUtf8);
  std::string text = u8"Straße ΑΩ Москва 日本 😀";
  std::wstring wide = utf16Of(text);
  EXPECT_EQ(wide.size(), characterCount(text) + 1);  // the emoji is a surrogate pair
  EXPECT_EQ(fromUtf16(wide), text);
  EXPECT_EQ(fromUtf16(std::wstring(1, static_cast<wchar_t>(0xD800))), u8"\uFFFD");
  EXPECT_TRUE(fitsCp1252(u8"Straße €"));
  EXPECT_FALSE(fitsCp1252(text));

  EncodingScope cp1252(TextEncoding::kCp1252);
  EXPECT_EQ(fromUtf16(wide), "Stra\xDF" "e ?? ?????? ?? ?");
  EXPECT_EQ(fromUtf16(utf16Of("\x80\xE9")), "\x80\xE9");
  bool lost = false;
  EXPECT_EQ(fromUtf8(u8"é€", &lost), "\xE9\x80");
  EXPECT_FALSE(lost);
  EXPECT_EQ(fromUtf8(u8"жé", &lost), "?\xE9");
  EXPECT_TRUE(lost);
}
