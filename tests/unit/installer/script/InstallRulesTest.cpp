// The window-free rules of the install phases: the walk order and step
// count, replacement names, the version comparison, the install log and the
// uninstall entry.
#include "installer/script/EntryWalk.h"
#include "installer/script/ExistingFileRules.h"
#include "installer/script/InstallLogText.h"
#include "installer/script/RunCommand.h"
#include "installer/script/UninstallEntry.h"
#include "tests/unit/SetupTestDoubles.h"
#include "tests/unit/TempFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records each visited list by its first file's payload name, and each
// skipped block by the same name after a "-".
class OrderRecorder : public EntryVisitor {
 public:
  bool visit(EntryLists& lists) override {
    visited.push_back(lists.files.front().payloadName.c_str());
    return visited.back() != stopAt;
  }
  void skipped(ConditionBlock& block) override { visited.push_back("-" + std::string(block.files.front().payloadName.c_str())); }

  std::vector<std::string> visited;
  std::string stopAt;
};

const char kWalkScript[] =
    "[MAIN]\nCHECK=OPT,Option\nFILE=M1\nDIRECTORY=%d\\dir\nREG=HKCU,K\nICON=%i\\a.lnk,%d\\m1\n"
    "SELECTION=A\nSELECTION=OFF\nIF OPT==TRUE,MAINBLOCK\nIF OPT==FALSE,NEVER\n"
    "[A]\nFILE=A1\nSELECTION=A2\nIF OPT==TRUE,ABLOCK\n[A2]\nFILE=A21\n[OFF]\nFILE=OFF1\nREG=HKCU,OFF\n"
    "[ABLOCK]\nFILE=AB1\nIF OPT!=TRUE,NESTEDNEVER\nIF OPT==TRUE,NESTED\n[NESTED]\nFILE=N1\n"
    "[NESTEDNEVER]\nFILE=NN1\n[MAINBLOCK]\nFILE=MB1\nREG=HKCU,MB\n[NEVER]\nFILE=NV1\n";

std::string contentOf(const std::string& path) { return TempFolder::read(path); }

}  // namespace

TEST(EntryWalk, VisitsMainThenChosenComponentsThenMainBlocksAndCountsTheSteps) {
  ParsedScript parsed(kWalkScript);
  SetupScript& script = parsed.script;
  script.selections[1].state = Selection::kNotChosen;
  OrderRecorder order;
  EXPECT_TRUE(walkEntries(script, order));
  EXPECT_EQ(order.visited, (std::vector<std::string>{"M1", "A1", "A21", "AB1", "-NN1", "N1", "MB1", "-NV1"}));

  OrderRecorder stopped;
  stopped.stopAt = "A21";
  EXPECT_FALSE(walkEntries(script, stopped));
  EXPECT_EQ(stopped.visited, (std::vector<std::string>{"M1", "A1", "A21"}));

  // Blocks count whatever their conditions; ICON lists only with a group.
  EXPECT_EQ(installStepCount(script), 11);
  script.iconFolder = "C:\\Group";
  EXPECT_EQ(installStepCount(script), 12);
  script.selections[1].state = Selection::kChosen;
  EXPECT_EQ(installStepCount(script), 14);
}

TEST(ExistingFileRules, NamesReplacementsAndComparesVersions) {
  EXPECT_STREQ(withExtension("C:\\WINDOWS\\SYSTEM\\comctl32.dll", ".new").c_str(), "C:\\WINDOWS\\SYSTEM\\comctl32.new");
  EXPECT_STREQ(withExtension("C:\\Old.dir\\readme", ".bak").c_str(), "C:\\Old.bak");
  EXPECT_STREQ(withExtension("C:\\dir\\readme", ".new").c_str(), "C:\\dir\\readme.new");

  struct Case {
    const char* minimum;
    uint32_t most, least;
    VersionVerdict verdict;
  } cases[] = {
      {"4.71.0.0", 0x00040047, 0, VersionVerdict::kAsk},
      {"4.71.0.0", 0x00040048, 0x0C260001, VersionVerdict::kAsk},
      {"4.71.0.0", 0x00050050, 0, VersionVerdict::kAsk},
      {"4.71.0.0", 0x00040046, 0xFFFFFFFF, VersionVerdict::kReplace},
      {"4.71.1", 0x00040047, 0x00000009, VersionVerdict::kReplace},
      {"4.71", 0x00040047, 0x00050005, VersionVerdict::kAsk},
      {" 4. 7x1", 0x00040047, 0, VersionVerdict::kAsk},
      {"4..1", 0x00040000, 0x00000000, VersionVerdict::kReplace},
      {"4.71.0.0.9", 0x00040047, 0, VersionVerdict::kAsk},
      // Parts beyond 32 bits are larger than any part of a version.
      {"4294967296", 0xFFFF0000, 0, VersionVerdict::kReplace},
      {"18446744073709551616", 0xFFFF0000, 0, VersionVerdict::kReplace},
      {"4.18446744073709551617", 0x0004FFFF, 0, VersionVerdict::kReplace},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.minimum);
    EXPECT_EQ(compareWithMinimumVersion(c.minimum, c.most, c.least), c.verdict);
  }
  std::vector<CText> names = exportNames("  DllGetVersion   InitCommonControlsEx ");
  ASSERT_EQ(names.size(), 2u);
  EXPECT_STREQ(names[1].c_str(), "InitCommonControlsEx");
  EXPECT_TRUE(exportNames("").empty());
}

TEST(SetupScriptPaths, AMacroThatGivesNothingLeavesNoUsablePath) {
  ParsedScript parsed("[MAIN]\n");
  SetupScript& script = parsed.script;
  CText link("%i\\x.lnk"), file("%d\\x");
  EXPECT_FALSE(script.expand(link));
  EXPECT_STREQ(link.c_str(), "\\x.lnk");
  EXPECT_FALSE(script.startLog());
  EXPECT_FALSE(script.log.isOpen());
  EXPECT_FALSE(RunCommand::read("copy(\"A\",\"%d\\x\")", script).macrosFilled);
  script.destination = "C:\\P";
  EXPECT_TRUE(script.expand(file));
  EXPECT_TRUE(RunCommand::read("copy(\"A\",\"%d\\x\")", script).macrosFilled);
}

TEST(InstallLog, LeavesAnEarlierLogAloneUntilTheRunBeginsThenCarriesItsGroupsAndBody) {
  TempFolder folder;
  const std::string earlier =
      "[INSTALL]\nTITLE=Old 1.0\nPATH=C:\\P\nICONGROUP=G\nICONUSERGROUP=NO\nDIRECTORY=C:\\P\\Old\r\n"
      "FILE=C:\\P\\old.txt\nFILE=C:\\P\\kept.exe\nREG=HKCU,Software\\Old\nICON=C:\\G\\Old.lnk\nfile=c:\\p\\OLD.TXT";
  std::string path = folder.write("Install.log", earlier), other = folder.path("Other.log");
  // The wizard starts the log, goes back to another destination, starts it
  // there and is quit: neither file is touched.
  InstallLog log;
  log.start(path.c_str(), "New 2.0", "C:\\P");
  log.write(InstallLogText::iconGroup("G"));
  log.write(InstallLogText::iconUserGroup(true));
  log.start(other.c_str(), "New 2.0", "C:\\Other");
  log.write(InstallLogText::iconGroup("G"));
  log.close();
  EXPECT_EQ(contentOf(path), earlier);
  EXPECT_EQ(contentOf(other), "");
  EXPECT_FALSE(log.failed());

  // Left twice for the old folder and run: the head lines once, this run's
  // group before the earlier one, the earlier body once, and a carried line
  // that this run writes again only where this run wrote it.
  for (int pass = 0; pass < 2; ++pass) {
    log.start(path.c_str(), "New 2.0", "C:\\P");
    log.write(InstallLogText::iconGroup("G"));
    log.write(InstallLogText::iconUserGroup(true));
  }
  EXPECT_EQ(contentOf(path), earlier);
  ASSERT_TRUE(log.begin());
  log.write(InstallLogText::file("C:\\P\\KEPT.EXE"));
  log.write(InstallLogText::file("C:\\P\\new.txt"));
  log.close();
  const std::string head = "[INSTALL]\nTITLE=New 2.0\nPATH=C:\\P\nICONGROUP=G\nICONUSERGROUP=YES\n";
  const std::string carried = "ICONGROUP=G\nICONUSERGROUP=NO\nDIRECTORY=C:\\P\\Old\nFILE=C:\\P\\old.txt\n"
                              "REG=HKCU,Software\\Old\nICON=C:\\G\\Old.lnk\n";
  EXPECT_EQ(contentOf(path), head + carried + "FILE=C:\\P\\KEPT.EXE\nFILE=C:\\P\\new.txt\n");

  // A group that this run names again is carried once; a first body line
  // begins the log by itself.
  log.start(path.c_str(), "New 2.0", "C:\\P");
  log.write(InstallLogText::iconGroup("g"));
  log.write(InstallLogText::iconUserGroup(false));
  log.write(InstallLogText::icon("C:\\G\\Old.lnk"));
  log.close();
  EXPECT_EQ(contentOf(path), "[INSTALL]\nTITLE=New 2.0\nPATH=C:\\P\nICONGROUP=g\nICONUSERGROUP=NO\n"
                             "ICONGROUP=G\nICONUSERGROUP=YES\nDIRECTORY=C:\\P\\Old\nFILE=C:\\P\\old.txt\n"
                             "REG=HKCU,Software\\Old\nFILE=C:\\P\\KEPT.EXE\nFILE=C:\\P\\new.txt\nICON=C:\\G\\Old.lnk\n");
  EXPECT_FALSE(log.failed());

  // A log that cannot be made fails, and only a started one can.
  InstallLog nowhere;
  EXPECT_FALSE(nowhere.begin());
  EXPECT_FALSE(nowhere.failed());
  nowhere.start(folder.path("Missing/Install.log").c_str(), "New 2.0", "C:\\P");
  EXPECT_FALSE(nowhere.begin());
  EXPECT_TRUE(nowhere.failed());
}

TEST(UninstallEntry, KnowsTheEntrysLinesAndTheProgramItsCommandStarts) {
  struct Case {
    const char* line;
    bool makes, setsCommand;
  } cases[] = {
      {"HKLM,SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Verbolt'97", true, false},
      {"HKCU,software\\microsoft\\windows\\currentversion\\uninstall\\V,uninstallstring,\"x\"", true, true},
      {"HKLM,SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\V,UninstallString,,delete", true, false},
      {"HKLM,SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\", false, false},
      {"HKCR,SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\V,UninstallString,\"x\"", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    RegistryEntry entry = RegistryEntry::parse(c.line);
    EXPECT_EQ(UninstallEntry::makes(entry), c.makes);
    EXPECT_EQ(UninstallEntry::setsCommand(entry), c.setsCommand);
  }
  const char* const commands[][2] = {{"\"C:\\Program Files\\V\\Remove.exe\" /S", "C:\\Program Files\\V\\Remove.exe"},
                                     {"C:\\Program Files\\V\\Remove.exe", "C:\\Program Files\\V\\Remove.exe"},
                                     {"\"C:\\V\\Remove.exe", ""}};
  for (const auto& command : commands) EXPECT_STREQ(UninstallEntry::program(command[0]).c_str(), command[1]) << command[0];
}
