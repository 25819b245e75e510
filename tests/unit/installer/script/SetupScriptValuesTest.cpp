#include "installer/script/InstallLogText.h"
#include "installer/script/RunCommand.h"
#include "tests/unit/SetupTestDoubles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct ExpansionFixture : public ::testing::Test {
  ExpansionFixture() : script(environment, payloads) {
    script.destination = "C:\\Program Files\\Verbolt'97";
    script.iconFolder = "C:\\WINDOWS\\Start Menu\\Programs\\Verbolt'97\\";
  }
  CText expanded(const char* text) {
    CText result(text);
    script.expand(result);
    return result;
  }
  FixedEnvironment environment;
  TablePayloads payloads;
  SetupScript script;
};

std::vector<unsigned char> bytes(const char* text, size_t count) {
  return std::vector<unsigned char>(text, text + count);
}

}  // namespace

TEST_F(ExpansionFixture, ReplacesEveryPathMacroInEitherCase) {
  struct Case {
    const char* text;
    const char* expected;
  } cases[] = {
      {"%d\\Right.wav", "C:\\Program Files\\Verbolt'97\\Right.wav"},
      {"%D\\x", "C:\\Program Files\\Verbolt'97\\x"},
      {"%i\\Verbolt'97.lnk", "C:\\WINDOWS\\Start Menu\\Programs\\Verbolt'97\\Verbolt'97.lnk"},
      {"%m\\Verbolt.exe,1", "C:\\PROGRA~1\\VERBOL~1\\Verbolt.exe,1"},
      {"%p\\Verbolt'97", "C:\\Program Files\\Verbolt'97"},
      {"%s\\comctl32.dll", "C:\\WINDOWS\\SYSTEM\\comctl32.dll"},
      {"%S\\x", "C:\\WINDOWS\\SYSTEM\\x"},
      {"%t\\a.lnk", "C:\\WINDOWS\\Desktop\\a.lnk"},
      {"%w\\notepad.exe", "C:\\WINDOWS\\notepad.exe"},
      {"%~\\x", "C:\\WINDOWS\\TEMP\\x"},
      {"%~", "C:\\WINDOWS\\TEMP"},
      {"%%d", "%C:\\Program Files\\Verbolt'97"},
      {"%x", "%x"},
      {"100%", "100%"},
      {"\"%1\"", "\"%1\""},
      {"%y", "19990124"},
      {"%K", "2"},  // 1,025 bytes of required size
      {"", ""},
  };
  script.requiredSize = 1025;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_STREQ(expanded(c.text).c_str(), c.expected);
  }
}

TEST_F(ExpansionFixture, FindsTheInstallersOwnTemporaryFolderOnceAndKeepsIt) {
  environment.existing = {"C:\\WINDOWS\\TEMP\\~ztkinst1", "C:\\WINDOWS\\TEMP\\~ztkinst2"};
  EXPECT_STREQ(expanded("%~~\\x").c_str(), "C:\\WINDOWS\\TEMP\\~ztkinst3\\x");
  environment.existing.clear();
  EXPECT_STREQ(expanded("%~~").c_str(), "C:\\WINDOWS\\TEMP\\~ztkinst3");

  FixedEnvironment other;
  other.temporary = "D:\\TMP";
  SetupScript fresh(other, payloads);
  CText text("%~~");
  fresh.expand(text);
  EXPECT_STREQ(text.c_str(), "D:\\TMP\\~ztkinst1");
}

TEST_F(ExpansionFixture, LooksUpVariablesAndOptions) {
  script.options.push_back(CheckOption::parse("DESKTOPICONS,Icons"));
  script.options.push_back(CheckOption::parse("Run,Run it,FALSE"));
  script.options.push_back(CheckOption::parse("RESTART,x"));
  EXPECT_STREQ(script.lookup("destinationpath").c_str(), script.destination.c_str());
  EXPECT_STREQ(script.lookup("ICONGROUP").c_str(), script.iconFolder.c_str());
  EXPECT_STREQ(script.lookup("RESTART").c_str(), "FALSE");
  script.restartFlag = 1;
  EXPECT_STREQ(script.lookup("Restart").c_str(), "TRUE");
  EXPECT_STREQ(script.lookup("DesktopIcons").c_str(), "TRUE");
  EXPECT_STREQ(script.lookup("RUN").c_str(), "FALSE");
  EXPECT_STREQ(script.lookup("nothing").c_str(), "");
}

TEST_F(ExpansionFixture, EvaluatesConditionsWithoutRegardToCase) {
  script.options.push_back(CheckOption::parse("OPT,x"));
  struct Case {
    const char* head;
    bool holds;
  } cases[] = {
      {"OPT==true,S", true},   {"OPT!=TRUE,S", false}, {"opt==FALSE,S", false},
      {"MISSING==,S", true},   {"MISSING!=,S", false}, {"RESTART==FALSE,S", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.head);
    ConditionBlock block;
    block.readHead(c.head);
    EXPECT_EQ(script.holds(block), c.holds);
  }
  script.setOptionState(0, false);
  EXPECT_EQ(script.options[0].state, 1);
  script.options[0].controlId = 1000;
  EXPECT_TRUE(script.setOptionState(1000, false));
  EXPECT_FALSE(script.setOptionState(1001, true));
  EXPECT_STREQ(script.lookup("OPT").c_str(), "FALSE");
}

TEST(SetupScriptSizes, TogglingOffAndOnRestoresTheRequiredSize) {
  ParsedScript parsed(
      "[MAIN]\nFILE=M\nDIRECTORY=%d\\x\nSELECTION=A\nSELECTION=R,r\n"
      "[A]\nFILE=A1\nSELECTION=B\nSELECTION=RQ,r\n[B]\nFILE=B1\n[RQ]\nFILE=Q1\n[R]\nFILE=R1\n",
      {{"M", 1}, {"A1", 10}, {"B1", 100}, {"Q1", 1000}, {"R1", 10000}});
  SetupScript& script = parsed.script;
  EXPECT_EQ(script.requiredSize, 11111);
  EXPECT_EQ(script.computeRequiredSize(), 11111);
  Selection& a = script.selections[0];

  EXPECT_EQ(script.toggleSelection(a), -110);
  EXPECT_EQ(a.state, Selection::kNotChosen);
  EXPECT_EQ(a.subSelections[0].state, Selection::kNotChosen);
  EXPECT_EQ(a.subSelections[1].state, Selection::kRequired);
  EXPECT_EQ(a.size, 1000);  // the required part keeps its size
  EXPECT_EQ(script.requiredSize, 11001);
  EXPECT_EQ(script.computeRequiredSize(), 10001);

  EXPECT_EQ(script.toggleSelection(a), 110);
  EXPECT_EQ(script.computeRequiredSize(), 11111);
  EXPECT_EQ(a.subSelections[0].state, Selection::kChosen);

  EXPECT_EQ(script.toggleSelection(script.selections[1]), 0);
  EXPECT_EQ(script.selections[1].state, Selection::kRequired);
  EXPECT_EQ(script.computeRequiredSize(), 11111);
}

TEST(SetupScriptSizes, DetailsChangesSettleIntoThePartlyChosenState) {
  ParsedScript parsed("[MAIN]\nSELECTION=P\n[P]\nSELECTION=X\nSELECTION=Y\n[X]\nFILE=X\n[Y]\nFILE=Y\n",
                      {{"X", 3}, {"Y", 5}});
  Selection& parent = parsed.script.selections[0];
  parent.size += parent.subSelections[0].toggle();
  EXPECT_EQ(parent.size, 5);
  parent.takeStateFromSubSelections();
  EXPECT_EQ(parent.state, Selection::kPartlyChosen);
  EXPECT_EQ(parsed.script.toggleSelection(parent), 3);
  EXPECT_EQ(parent.state, Selection::kChosen);
  parent.subSelections[1].toggle();
  parent.subSelections[0].toggle();
  parent.takeStateFromSubSelections();
  EXPECT_EQ(parent.state, Selection::kNotChosen);
}

TEST(SetupScriptCounts, CountsShortcutsOfChosenOrAllComponents) {
  ParsedScript parsed(
      "[MAIN]\nICON=a,b\nIF X==Y,I1\nSELECTION=S\nSELECTION=T\n"
      "[I1]\nICON=c,d\nIF Z==W,I2\n[I2]\nICON=e,f\n"
      "[S]\nICON=g,h\nSELECTION=U\n[U]\nICON=i,j\nIF Q==R,I2\n[T]\nICON=k,l\n");
  SetupScript& script = parsed.script;
  EXPECT_EQ(script.shortcutCount(true), 7);
  script.toggleSelection(script.selections[0]);
  EXPECT_EQ(script.shortcutCount(true), 4);
  EXPECT_EQ(script.shortcutCount(false), 7);
  EXPECT_EQ(script.selectionCount(), 2);
  EXPECT_EQ(script.optionCount(), 0);
}

TEST(RegistryEntry, ParsesRootKeyValueDataAndAction) {
  struct Case {
    const char* value;
    RegistryEntry::Root root;
    const char* key;
    const char* name;
    bool hasData;
    RegistryEntry::Type type;
    std::vector<unsigned char> data;
    RegistryEntry::Action action;
  } cases[] = {
      {"HKCU,Software\\A", RegistryEntry::kCurrentUser, "Software\\A", "", false, RegistryEntry::kString, {}, RegistryEntry::kSet},
      {"hklm", RegistryEntry::kLocalMachine, "", "", false, RegistryEntry::kString, {}, RegistryEntry::kSet},
      {"HKXX,Software\\A", RegistryEntry::kNoRoot, "Software\\A", "", false, RegistryEntry::kString, {}, RegistryEntry::kSet},
      {"HKCU,Software\\A,Name", RegistryEntry::kCurrentUser, "Software\\A", "Name", true, RegistryEntry::kString, {0}, RegistryEntry::kSet},
      {"HKCU,Software\\A,Name,,delete", RegistryEntry::kCurrentUser, "Software\\A", "Name", true, RegistryEntry::kString, {0}, RegistryEntry::kDelete},
      {"HKCU,Software\\A,Count,dword:1f", RegistryEntry::kCurrentUser, "Software\\A", "Count", true, RegistryEntry::kNumber, {0x1f, 0, 0, 0}, RegistryEntry::kSet},
      {"HKU,K,C,DWORD:12345678,NoChange", RegistryEntry::kUsers, "K", "C", true, RegistryEntry::kNumber, {0x78, 0x56, 0x34, 0x12}, RegistryEntry::kNoChange},
      {"HKU,K,C,dword:123456789", RegistryEntry::kUsers, "K", "C", true, RegistryEntry::kNumber, {0xff, 0xff, 0xff, 0xff}, RegistryEntry::kSet},
      {"HKU,K,C,dword:zz,delete", RegistryEntry::kUsers, "K", "C", true, RegistryEntry::kNumber, {0, 0, 0, 0}, RegistryEntry::kSet},
      {"HKCU,Software\\A,Bin,hex:00 01 ff", RegistryEntry::kCurrentUser, "Software\\A", "Bin", true, RegistryEntry::kBinary, {0, 1, 0xff}, RegistryEntry::kSet},
      {"HKCU,K,B,HEX:7a,delete", RegistryEntry::kCurrentUser, "K", "B", true, RegistryEntry::kBinary, {0x7a}, RegistryEntry::kDelete},
      {"HKCU,K,B,hex:1", RegistryEntry::kCurrentUser, "K", "B", true, RegistryEntry::kBinary, {1}, RegistryEntry::kSet},
      {"HKCU,K,B,hex:", RegistryEntry::kCurrentUser, "K", "B", true, RegistryEntry::kBinary, {0}, RegistryEntry::kSet},
      {"HKCR,K,,\"x,y\"", RegistryEntry::kClassesRoot, "K", "", true, RegistryEntry::kString, bytes("x,y", 4), RegistryEntry::kSet},
      {"HKCR,K,,\"%d\\\\file\",nochange", RegistryEntry::kClassesRoot, "K", "", true, RegistryEntry::kString, bytes("%d\\file", 8), RegistryEntry::kNoChange},
      {"HKCR,K,,\"a\\\"b\\nc\\q", RegistryEntry::kClassesRoot, "K", "", true, RegistryEntry::kString, bytes("a\"b\ncq", 7), RegistryEntry::kSet},
      {"HKCR,K,,\"x\"delete", RegistryEntry::kClassesRoot, "K", "", true, RegistryEntry::kString, bytes("x", 2), RegistryEntry::kSet},
      {"HKCU,K,N,text", RegistryEntry::kCurrentUser, "K", "N", true, RegistryEntry::kString, {0}, RegistryEntry::kSet},
      {"HKCU,K,N,text,delete", RegistryEntry::kCurrentUser, "K", "N", true, RegistryEntry::kString, {0}, RegistryEntry::kSet},
      {"HKCU,K,N,sz:abc,delete", RegistryEntry::kCurrentUser, "K", "N", false, RegistryEntry::kString, {}, RegistryEntry::kSet},
      {"HKCU,K,N,sz:,delete", RegistryEntry::kCurrentUser, "K", "N", false, RegistryEntry::kString, {}, RegistryEntry::kDelete},
      {"HKLM,K,Size,dword:%k,nochange", RegistryEntry::kLocalMachine, "K", "Size", true, RegistryEntry::kNumber, {0, 0, 0, 0}, RegistryEntry::kNoChange},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    RegistryEntry entry = RegistryEntry::parse(c.value);
    EXPECT_EQ(entry.root, c.root);
    EXPECT_STREQ(entry.key.c_str(), c.key);
    EXPECT_STREQ(entry.valueName.c_str(), c.name);
    EXPECT_EQ(entry.hasData, c.hasData);
    EXPECT_EQ(entry.type, c.type);
    EXPECT_EQ(entry.data, c.data);
    EXPECT_EQ(entry.length(), c.data.size());
    EXPECT_EQ(entry.action, c.action);
  }
  RegistryEntry sized = RegistryEntry::parse("HKLM,K,Size,dword:%k");
  EXPECT_STREQ(sized.numberMacro.c_str(), "%k");
  EXPECT_TRUE(RegistryEntry::parse("HKLM,K,Size,dword:1f").numberMacro.empty());
  EXPECT_EQ(RegistryEntry::numberData("1a2b"), (std::vector<unsigned char>{0x2b, 0x1a, 0, 0}));
}

TEST(ShortcutEntry, TakesLinkAndTargetAndIgnoresFurtherFields) {
  ShortcutEntry entry = ShortcutEntry::parse("%i\\Verbolt'97.lnk,%d\\Verbolt.exe,extra");
  EXPECT_STREQ(entry.link.c_str(), "%i\\Verbolt'97.lnk");
  EXPECT_STREQ(entry.target.c_str(), "%d\\Verbolt.exe");
  ShortcutEntry linkOnly = ShortcutEntry::parse("%t\\x.lnk");
  EXPECT_STREQ(linkOnly.link.c_str(), "%t\\x.lnk");
  EXPECT_TRUE(linkOnly.target.empty());
}

TEST_F(ExpansionFixture, ReadsRunCommandsAndTheirArguments) {
  script.options.push_back(CheckOption::parse("OPT,x"));
  struct Case {
    const char* value;
    RunCommand::Kind kind;
    const char* first;
    const char* second;
    bool hasSecond;
  } cases[] = {
      {"msgbox(\"Setup done\",\"Title\")", RunCommand::kMessageBox, "Setup done", "Title", true},
      {"msgbox(DESTINATIONPATH)", RunCommand::kMessageBox, "C:\\Program Files\\Verbolt'97", "", false},
      {"MsgBox (\"Done\")", RunCommand::kMessageBox, "Done", "", false},
      {"msgbox(Done)", RunCommand::kMessageBox, "", "", false},
      {"msgbox(OPT  junk,\"T\")", RunCommand::kMessageBox, "TRUE", "T", true},
      {"msgbox(\"a\\\\b\\nc\\x\\\"  ,\"T\")", RunCommand::kMessageBox, "a\\b\ncx", "T", true},
      {"msgbox(\"a\", \"T\")", RunCommand::kMessageBox, "a", "", true},
      {"msgbox(\"open", RunCommand::kMessageBox, "open", "", false},
      {"delete(\"%d\\\\old.txt\")", RunCommand::kDelete, "C:\\Program Files\\Verbolt'97\\old.txt", "", false},
      {"ERASE(\"x\")", RunCommand::kDelete, "x", "", false},
      {"rmdir(\"%~~\")", RunCommand::kRemoveDirectory, "C:\\WINDOWS\\TEMP\\~ztkinst1", "", false},
      {"mkdir(\"%d\\New\")", RunCommand::kMakeDirectory, "C:\\Program Files\\Verbolt'97New", "", false},
      {"copy(\"README.TXT\",\"%d\\\\Copy.txt\")", RunCommand::kCopy, "README.TXT", "C:\\Program Files\\Verbolt'97\\Copy.txt", true},
      {"copy(\"README.TXT\")", RunCommand::kCopy, "README.TXT", "", false},
      {"%d\\ReadMe.txt", RunCommand::kOpen, "C:\\Program Files\\Verbolt'97\\ReadMe.txt", "", false},
      {"foo(1)", RunCommand::kOpen, "foo(1)", "", false},
      {"msgbox", RunCommand::kOpen, "msgbox", "", false},
      {"msgbox x(\"y\")", RunCommand::kOpen, "msgbox x(\"y\")", "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    RunCommand command = RunCommand::read(c.value, script);
    EXPECT_EQ(command.kind, c.kind);
    EXPECT_STREQ(command.first.c_str(), c.first);
    EXPECT_STREQ(command.second.c_str(), c.second);
    EXPECT_EQ(command.hasSecond, c.hasSecond);
  }
}

TEST_F(ExpansionFixture, ReadsTheExecShowAndWaitFields) {
  struct Case {
    const char* value;
    const char* commandLine;
    RunCommand::Show show;
    bool wait;
  } cases[] = {
      {"exec(\"%w\\\\notepad.exe\",MAXIMIZED,TRUE)", "C:\\WINDOWS\\notepad.exe", RunCommand::kShowMaximized, true},
      {"exec(\"%w\\\\notepad.exe\", MAXIMIZED,TRUE)", "C:\\WINDOWS\\notepad.exe", RunCommand::kShowDefault, false},
      {"EXEC(\"a\",hide,1)", "a", RunCommand::kShowHide, true},
      {"exec(\"a\",Normal,11)", "a", RunCommand::kShowNormal, false},
      {"exec(\"a\",minimized)", "a", RunCommand::kShowMinimized, false},
      {"exec(\"a\",NOACTIVATED,true)", "a", RunCommand::kShowNoActivate, true},
      {"exec(\"a\",OTHER,TRUE)", "a", RunCommand::kShowDefault, true},
      {"exec(\"a\")", "a", RunCommand::kShowDefault, false},
      {"exec(\"a b\" ,HIDE)", "a b", RunCommand::kShowHide, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    RunCommand command = RunCommand::read(c.value, script);
    EXPECT_EQ(command.kind, RunCommand::kExec);
    EXPECT_STREQ(command.first.c_str(), c.commandLine);
    EXPECT_EQ(command.show, c.show);
    EXPECT_EQ(command.wait, c.wait);
  }
}

TEST(InstallLogText, WritesEveryLineWithOneLineFeedAndNoCarriageReturn) {
  struct Case {
    CText line;
    const char* expected;
  } cases[] = {
      {InstallLogText::header(), "[INSTALL]\n"},
      {InstallLogText::title("Verbolt'97 1.42b"), "TITLE=Verbolt'97 1.42b\n"},
      {InstallLogText::path("C:\\Program Files\\Verbolt'97"), "PATH=C:\\Program Files\\Verbolt'97\n"},
      {InstallLogText::iconGroup("Verbolt'97"), "ICONGROUP=Verbolt'97\n"},
      {InstallLogText::iconUserGroup(true), "ICONUSERGROUP=YES\n"},
      {InstallLogText::iconUserGroup(false), "ICONUSERGROUP=NO\n"},
      {InstallLogText::directory("C:\\P\\Samples"), "DIRECTORY=C:\\P\\Samples\n"},
      {InstallLogText::file("C:\\P\\Verbolt.exe"), "FILE=C:\\P\\Verbolt.exe\n"},
      {InstallLogText::icon("C:\\G\\Readme.lnk"), "ICON=C:\\G\\Readme.lnk\n"},
      {InstallLogText::registry(RegistryEntry::kCurrentUser, "Software\\Quorvel\\Verbolt'97", nullptr),
       "REG=HKCU,Software\\Quorvel\\Verbolt'97\n"},
      {InstallLogText::registry(RegistryEntry::kCurrentUser, "Software\\Quorvel\\Verbolt'97\\Settings", "PlayFile1"),
       "REG=HKCU,Software\\Quorvel\\Verbolt'97\\Settings,\"PlayFile1\"\n"},
      {InstallLogText::registry(RegistryEntry::kClassesRoot, ".wdl", ""), "REG=HKCR,.wdl,\"\"\n"},
      {InstallLogText::registry(RegistryEntry::kLocalMachine, "SOFTWARE\\X", "DisplayName"), "REG=HKLM,SOFTWARE\\X,\"DisplayName\"\n"},
      {InstallLogText::registry(RegistryEntry::kUsers, "K", nullptr), "REG=HKU,K\n"},
      {InstallLogText::registry(RegistryEntry::kNoRoot, "K", nullptr), "REG=HKCU,K\n"},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(c.line.c_str(), c.expected);
    EXPECT_EQ(std::strchr(c.line.c_str(), '\r'), nullptr);
  }
  EXPECT_EQ(InstallLogText::header().length(), 10u);
}
