#include "installer/script/KeyLineReader.h"
#include "installer/script/ParseProgress.h"
#include "installer/script/SectionIndex.h"
#include "installer/script/SetupScriptParser.h"
#include "tests/unit/SetupTestDoubles.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<std::pair<std::string, std::string>> keyLines(const char* body) {
  std::vector<std::pair<std::string, std::string>> lines;
  KeyLineReader reader(body);
  CText key, value;
  while (reader.next(key, value)) {
    lines.emplace_back(key.c_str(), value.c_str());
    if (key.empty()) break;
  }
  return lines;
}

using Lines = std::vector<std::pair<std::string, std::string>>;

}  // namespace

TEST(KeyLineReader, SplitsKeysAndValuesAsTheScriptWritesThem) {
  struct Case {
    const char* body;
    Lines expected;
  } cases[] = {
      {"IF X==TRUE,SEC\n", {{"IF", "X==TRUE,SEC"}}},
      {"IF=X==TRUE,SEC\n", {{"IF", "X==TRUE,SEC"}}},
      {"KEY = value\n", {{"KEY", "value"}}},
      {"KEY  = value\n", {{"KEY", "= value"}}},
      {"KEY value\n", {{"KEY", "value"}}},
      {"KEY=value  \r\nNEXT=1", {{"KEY", "value  "}, {"NEXT", "1"}}},
      {"A=1\rB=2\r\n\r\nC", {{"A", "1"}, {"B", "2"}, {"C", ""}}},
      {"// comment\n  // another\nA=1\n//x\n[NEXT]\nB=2", {{"A", "1"}, {"", ""}}},
      {"/x=1\n", {{"/x", "1"}}},
      {"A=1\n=2\nB=3\n", {{"A", "1"}, {"", "2"}}},
      {"A=1\nab[c\nB=3\n", {{"A", "1"}, {"ab", ""}}},
      {"LONE\nA=1", {{"LONE", ""}, {"A", "1"}}},
      {"   \r\n  ", {}},
      {"//only a comment", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body);
    EXPECT_EQ(keyLines(c.body), c.expected);
  }
}

TEST(SectionIndex, FindsTheFirstHeaderOfANameInAnyCase) {
  const char* text = "x [A]\n[a]\nfirst\n[b] tail\n [A]\nsecond\n[C][D]\nd\n";
  SectionIndex index(text);
  EXPECT_STREQ(index.find("A"), "first\n[b] tail\n [A]\nsecond\n[C][D]\nd\n");
  EXPECT_STREQ(index.find("B"), "tail\n [A]\nsecond\n[C][D]\nd\n");
  EXPECT_STREQ(index.find("d"), "d\n");
  EXPECT_EQ(index.find("x"), nullptr);
}

TEST(SectionIndex, ABrokenHeaderHidesEveryLaterSection) {
  SectionIndex index("[ONE]\n1\n[MAIN\nTITLE=x\n[TWO]\n2\n");
  EXPECT_NE(index.find("ONE"), nullptr);
  EXPECT_EQ(index.find("MAIN"), nullptr);
  EXPECT_EQ(index.find("TWO"), nullptr);
  EXPECT_EQ(SectionIndex("[A]\n[B").find("B"), nullptr);
}

TEST(SetupScript, ReadsTheMainKeysInAnyCaseAndKeepsTheLastSingleValue) {
  ParsedScript parsed(
      "[main]\ntitle=First\nTITLE=Second\nprogram=P 1.0\nDEFDIRECTORY=%p\\X\nDEFICONGROUP=Group\n"
      "UNKNOWN=1\nno equals sign here\nFILE=A.EXE");
  const SetupScript& script = parsed.script;
  EXPECT_TRUE(parsed.parsed);
  EXPECT_STREQ(script.title.c_str(), "Second");
  EXPECT_STREQ(script.program.c_str(), "P 1.0");
  EXPECT_STREQ(script.destination.c_str(), "%p\\X");
  EXPECT_STREQ(script.iconFolder.c_str(), "Group");
  ASSERT_EQ(script.files.size(), 1u);  // the last line is read without a line end
  EXPECT_STREQ(script.files[0].destination.c_str(), "%d\\A.EXE");
}

TEST(SetupScript, ParsesNothingFromAnEmptyTextOrWithoutMain) {
  ParsedScript empty("x");
  EXPECT_FALSE(empty.parsed);
  ParsedScript noMain("[OTHER]\nTITLE=x\n");
  EXPECT_TRUE(noMain.parsed);
  EXPECT_TRUE(noMain.script.title.empty());
  EXPECT_EQ(noMain.script.backColour, 0xFF0000);
  ParsedScript broken("[MAIN\nTITLE=x\n[MAIN]\nTITLE=y\n");
  EXPECT_TRUE(broken.script.title.empty());
  ParsedScript nulInside(std::string("[MAIN]\nTITLE=a\0\nPROGRAM=b\n", 26));
  EXPECT_STREQ(nulInside.script.title.c_str(), "a");
  EXPECT_TRUE(nulInside.script.program.empty());
}

TEST(SetupScript, ReadsColoursAsRrggbbWithRedInTheLowByte) {
  struct Case {
    const char* value;
    long expected;
  } cases[] = {
      {"0000FF", 0xFF0000},     {"7F0000", 0x00007F},    {"00FFFF", 0xFFFF00},
      {"-1", -1},               {"1000000", -1},         {"zz", 0},
      {"123456789", -1},        {"  0x10", 0x100000},    {"+ff", 0xFF0000},
      {"12zz", 0x120000},       {"-0", 0},               {"", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(parseColour(c.value), c.expected);
  }
  ParsedScript parsed("[MAIN]\nBACKCOLOR=0000FF\nFADECOLOR=-1\nTEXTCOLOR=zz\nSHADECOLOR=1000000\n");
  EXPECT_EQ(parsed.script.backColour, 0xFF0000);
  EXPECT_EQ(parsed.script.fadeColour, SetupScript::kNoColour);
  EXPECT_EQ(parsed.script.textColour, 0);
  EXPECT_EQ(parsed.script.shadeColour, SetupScript::kNoColour);
}

TEST(SetupScript, ReadsCheckLabelsWithEscapesAndDefaults) {
  struct Case {
    const char* value;
    const char* name;
    const char* label;
    int state;
  } cases[] = {
      {"OPT,Line one\\nLine two,false", "OPT", "Line one\nLine two", 0},
      {"OPT,Text,No", "OPT", "Text", 1},
      {"OPT,Text,0", "OPT", "Text", 0},
      {"OPT,Text,FALSE,more", "OPT", "Text", 0},
      {"OPT,A\\,B\\\\C\\tD\\rE\\x", "OPT", "A,B\\C\tD\rEx", 1},
      {"OPT", "OPT", "", 1},
      // Nothing after the value's ending 0 is read, whatever lies there.
      {"OPT,ends in a backslash\\\0,0", "OPT", "ends in a backslash", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    CheckOption option = CheckOption::parse(c.value);
    EXPECT_STREQ(option.name.c_str(), c.name);
    EXPECT_STREQ(option.label.c_str(), c.label);
    EXPECT_EQ(option.state, c.state);
    EXPECT_EQ(option.controlId, 0u);
  }
}

TEST(SetupScript, ReadsFileFieldsWithDefaultDestinationsAndSizes) {
  ParsedScript parsed(
      "[MAIN]\nFILE=NAME\nFILE=NAME,,1.0\nFILE=LIB.DLL,%s\\lib.dll,4.71.0.0,Func1 Func2\n"
      "DIRECTORY=%d\\Samples\nFILE=MISSING.TXT,%d\\x.txt\n",
      {{"NAME", 100}, {"LIB.DLL", 2000}});
  const std::vector<FileEntry>& files = parsed.script.files;
  ASSERT_EQ(files.size(), 5u);
  EXPECT_STREQ(files[0].destination.c_str(), "%d\\NAME");
  EXPECT_EQ(files[0].size, 100);
  EXPECT_STREQ(files[1].destination.c_str(), "%d\\NAME");
  EXPECT_STREQ(files[1].minimumVersion.c_str(), "1.0");
  EXPECT_STREQ(files[2].destination.c_str(), "%s\\lib.dll");
  EXPECT_STREQ(files[2].minimumVersion.c_str(), "4.71.0.0");
  EXPECT_STREQ(files[2].requiredExports.c_str(), "Func1 Func2");
  EXPECT_TRUE(files[3].isDirectory());
  EXPECT_TRUE(files[3].payloadName.empty());
  EXPECT_STREQ(files[3].destination.c_str(), "%d\\Samples");
  EXPECT_EQ(files[4].size, 0);
  EXPECT_EQ(parsed.script.requiredSize, 2200);
}

TEST(SetupScript, ReadsSelectionsWithTitlesSubSelectionsAndRequiredFlags) {
  ParsedScript parsed(
      "[MAIN]\nSELECTION=BASE,r\nSELECTION=OPT\nSELECTION=NAME \nSELECTION=GONE\n"
      "[BASE]\nTITLE=Base\nFILE=B1\nSELECTION=OPT\n"
      "[OPT]\nTITLE=Optional\nFILE=O1\nSELECTION=SUB,R\nPROGRAM=ignored\nCHECK=X,y\n"
      "[SUB]\nTITLE=Sub\nFILE=S1\nIF A==B,COND\n"
      "[COND]\nFILE=C1\n[NAME]\nTITLE=Found\n",
      {{"B1", 10}, {"O1", 20}, {"S1", 40}, {"C1", 1000}});
  const SetupScript& script = parsed.script;
  ASSERT_EQ(script.selections.size(), 4u);
  const Selection& base = script.selections[0];
  EXPECT_EQ(base.state, Selection::kRequired);
  EXPECT_STREQ(base.title.c_str(), "Base");
  EXPECT_TRUE(base.subSelections.empty());
  EXPECT_EQ(base.size, 10);
  const Selection& optional = script.selections[1];
  EXPECT_EQ(optional.state, Selection::kChosen);
  ASSERT_EQ(optional.subSelections.size(), 1u);
  EXPECT_EQ(optional.subSelections[0].state, Selection::kRequired);
  EXPECT_EQ(optional.subSelections[0].conditions.size(), 1u);
  EXPECT_EQ(optional.size, 60);  // files inside IF sections never count
  EXPECT_TRUE(script.program.empty());
  EXPECT_TRUE(script.options.empty());
  EXPECT_TRUE(script.selections[2].title.empty());  // "NAME " keeps its blank
  EXPECT_TRUE(script.selections[3].title.empty());
  EXPECT_EQ(script.requiredSize, 70);
}

TEST(SetupScript, ReadsIfHeadsAndTheirSections) {
  struct Case {
    const char* value;
    const char* variable;
    const char* compared;
    bool equal;
    size_t files;
  } cases[] = {
      {"DESKTOPICONS==TRUE,SEC", "DESKTOPICONS", "TRUE", true, 1},
      {"X!=FALSE,  SEC tail", "X", "FALSE", false, 1},
      {"X==TRUE,", "X", "TRUE", true, 0},
      {"X==TRUE", "X", "TRUE", true, 0},
      {"NO OPERATOR,SEC", "NO OPERATOR,SEC", "", true, 0},
      {"X=", "X", "", true, 0},
      {"X!", "X", "", false, 0},
      {"X=Y,SEC", "X", "", true, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    ParsedScript parsed(std::string("[MAIN]\nIF=") + c.value + "\n[SEC]\nFILE=F\nTITLE=no\nCHECK=A,b\n");
    ASSERT_EQ(parsed.script.conditions.size(), 1u);
    const ConditionBlock& block = parsed.script.conditions[0];
    EXPECT_STREQ(block.variable.c_str(), c.variable);
    EXPECT_STREQ(block.comparedText.c_str(), c.compared);
    EXPECT_EQ(block.equalTest, c.equal);
    EXPECT_EQ(block.files.size(), c.files);
    EXPECT_TRUE(parsed.script.options.empty());
  }
}

TEST(SetupScript, CutsSelectionAndIfChainsThatLeadBackToASectionBeingParsed) {
  ParsedScript parsed(
      "[MAIN]\nSELECTION=LOOP\nIF A==B,SELF\nSELECTION=MAIN\n"
      "[LOOP]\nTITLE=Loop\nFILE=L\nSELECTION=LOOP2\n"
      "[LOOP2]\nTITLE=Loop 2\nSELECTION=loop\n"
      "[SELF]\nFILE=S\nIF X==Y,SELF\n",
      {{"L", 5}});
  const SetupScript& script = parsed.script;
  ASSERT_EQ(script.selections.size(), 2u);
  const Selection& loop = script.selections[0];
  ASSERT_EQ(loop.subSelections.size(), 1u);
  const Selection& loop2 = loop.subSelections[0];
  EXPECT_STREQ(loop2.title.c_str(), "Loop 2");
  ASSERT_EQ(loop2.subSelections.size(), 1u);
  EXPECT_TRUE(loop2.subSelections[0].title.empty());
  EXPECT_TRUE(loop2.subSelections[0].files.empty());
  EXPECT_EQ(loop.size, 5);
  EXPECT_TRUE(script.selections[1].title.empty());
  ASSERT_EQ(script.conditions.size(), 1u);
  const ConditionBlock& self = script.conditions[0];
  EXPECT_EQ(self.files.size(), 1u);
  ASSERT_EQ(self.conditions.size(), 1u);
  EXPECT_TRUE(self.conditions[0].files.empty());
  EXPECT_STREQ(self.conditions[0].variable.c_str(), "X");
}

TEST(SetupScript, ASectionReachedTwiceOutsideAChainIsReadEachTime) {
  ParsedScript parsed("[MAIN]\nSELECTION=A\nSELECTION=A\nIF X==Y,C\nIF X==Z,C\n[A]\nTITLE=A\n[C]\nFILE=F\n");
  ASSERT_EQ(parsed.script.selections.size(), 2u);
  EXPECT_STREQ(parsed.script.selections[1].title.c_str(), "A");
  EXPECT_EQ(parsed.script.conditions[1].files.size(), 1u);
}

namespace {

class CountingProgress : public ParseProgress {
 public:
  void start(int last) override { this->last = last; }
  void step() override { ++steps; }
  int last = 0;
  int steps = 0;
};

}  // namespace

TEST(SetupScript, ReportsOneStepPerSelectionAndIfAndOneForMain) {
  std::string text = "[MAIN]\nSELECTION=A\nIF X==Y,B\n[A]\nSELECTION=C\n[B]\nIF P==Q,C\n[C]\n";
  FixedEnvironment environment;
  TablePayloads payloads;
  SetupScript script(environment, payloads);
  CountingProgress progress;
  script.parse(text.data(), static_cast<unsigned>(text.size()), &progress);
  EXPECT_EQ(progress.last, 4 + 2);
  EXPECT_EQ(progress.steps, 5);
}

namespace {

long countSelections(const std::vector<Selection>& selections) {
  long count = 0;
  for (const Selection& selection : selections) count += 1 + countSelections(selection.subSelections);
  return count;
}

}  // namespace

TEST(SetupScript, StopsReadingWhenSectionsNamedAgainAndAgainMultiplyTheLines) {
  std::string text = "[MAIN]\nTITLE=Fan\nSELECTION=S0\n";
  for (int i = 0; i < 40; ++i) {
    std::string next = "S" + std::to_string(i + 1);
    text += "[S" + std::to_string(i) + "]\nSELECTION=" + next + "\nSELECTION=" + next + "\n";
  }
  ParsedScript parsed(text);
  EXPECT_STREQ(parsed.script.title.c_str(), "Fan");
  long count = countSelections(parsed.script.selections);
  EXPECT_GT(count, SetupScriptParser::kMaxLines / 2);
  EXPECT_LE(count, SetupScriptParser::kMaxLines);
}
