#include "installer/remove/RemovalReport.h"
#include "installer/remove/RemovalRules.h"
#include "installer/remove/RemoveCommandLine.h"
#include "installer/script/EntryWalk.h"
#include "installer/script/InstallLogText.h"
#include "installer/script/SectionIndex.h"
#include "tests/unit/SetupTestDoubles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const char kDestination[] = "C:\\Program Files\\Verbolt'97";
const char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Verbolt'97";

// Registry texts by root, key and value name; at first the uninstall entry
// as the installation into kDestination leaves it.
class FixedRegistry : public RegistryTexts {
 public:
  FixedRegistry() { setUninstallString(kUninstallKey, std::string("\"") + kDestination + "\\Remove.exe\""); }

  void setUninstallString(const char* key, const std::string& command) {
    texts[std::to_string(RegistryEntry::kLocalMachine) + key + "|UninstallString"] = command;
  }
  bool read(RegistryEntry::Root root, const char* key, const char* name, CText& text) const override {
    auto found = texts.find(std::to_string(root) + key + "|" + name);
    if (found == texts.end()) return false;
    text = found->second.c_str();
    return true;
  }

 private:
  std::map<std::string, std::string> texts;
};

bool readLog(const std::string& text, InstallLogRecord& record) {
  return InstallLogReader::read(text.data(), text.size(), record);
}

RemovalPlaces places(const std::string& destination = kDestination) {
  RemovalPlaces places;
  places.windowsFolder = "C:\\WINDOWS";
  places.systemFolder = "C:\\WINDOWS\\SYSTEM";
  places.userPrograms = "C:\\WINDOWS\\Start Menu\\Programs";
  places.commonPrograms = "C:\\WINDOWS\\All Users\\Start Menu\\Programs";
  places.userDesktop = "C:\\WINDOWS\\Desktop";
  places.commonDesktop = "C:\\WINDOWS\\All Users\\Desktop";
  places.systemPlaces = {"C:\\Program Files", "C:\\WINDOWS\\Desktop", places.userPrograms};
  places.logPath = (destination + "\\Install.log").c_str();
  places.program = (destination + "\\Remove.exe").c_str();
  return places;
}

// The body lines that one install phase logs for the entries it executes,
// as the file, registry and shortcut phases write them.
class PhaseLines : public EntryVisitor {
 public:
  PhaseLines(SetupScript& script, LogEntry::Kind phase) : script_(script), phase_(phase) {}

  bool visit(EntryLists& lists) override {
    if (phase_ == LogEntry::kFile) {
      for (const FileEntry& entry : lists.files) {
        const char* path = expanded(entry.destination);
        add(entry.isDirectory() ? InstallLogText::directory(path) : InstallLogText::file(path));
      }
    } else if (phase_ == LogEntry::kRegistry) {
      for (const RegistryEntry& entry : lists.registryEntries)
        add(InstallLogText::registry(entry.root, entry.key.c_str(), entry.hasData ? entry.valueName.c_str() : nullptr));
    } else {
      for (const ShortcutEntry& entry : lists.shortcuts) add(InstallLogText::icon(expanded(entry.link)));
    }
    return true;
  }

  std::string text;

 private:
  const char* expanded(const CText& path) {
    path_ = path;
    script_.expand(path_);
    return path_.c_str();
  }
  void add(const CText& line) { text += line.c_str(); }

  SetupScript& script_;
  LogEntry::Kind phase_;
  CText path_;
};

// The log of installing installer/Setup.ins with every component into
// destination, the user's group "Verbolt'97" and word files associated with
// one of the two programs.
std::string deliveredLog(bool finnishWordFiles, const std::string& destination = kDestination) {
  std::ifstream file(SETUP_SCRIPT_PATH, std::ios::binary);
  ParsedScript parsed{std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>())};
  SetupScript& script = parsed.script;
  script.destination = destination.c_str();
  script.iconFolder = places().userPrograms;
  script.iconFolder.append("\\Verbolt'97");
  script.options[1].state = finnishWordFiles ? 1 : 0;
  std::string log = std::string(InstallLogText::header().c_str()) + InstallLogText::title(script.program.c_str()).c_str() +
                    InstallLogText::path(destination.c_str()).c_str() + InstallLogText::iconGroup("Verbolt'97").c_str() +
                    InstallLogText::iconUserGroup(true).c_str();
  for (LogEntry::Kind phase : {LogEntry::kFile, LogEntry::kRegistry, LogEntry::kShortcut}) {
    PhaseLines lines(script, phase);
    walkEntries(script, lines);
    log += lines.text;
  }
  return log;
}

}  // namespace

TEST(InstallLogReader, ReadsTheHeadAndEveryLineItUnderstandsAndSetsTheOthersAside) {
  const std::string text =
      "[INSTALL]\r\nTITLE=Verbolt'97 1.42b\nPATH=C:\\Program Files\\Verbolt'97\nICONGROUP=Verbolt'97\n"
      "ICONUSERGROUP=NO\n\nFILE=C:\\a.txt\nDIRECTORY=C:\\d\nREG=HKLM,SOFTWARE\\X\nREG=hkcr,.wdl,\"\"\n"
      "REG=HKCU,Software\\A,B,\"Name\"\nICON=C:\\x.lnk\nUNKNOWN=1\nno equals sign\nREG=HKXX,Software\\X\n"
      "REG=HKCU,\nREG=HKCU,K,\"open\nFILE=\nICONGROUP=Second\nICONUSERGROUP=YES\nICONUSERGROUP=NO\n"
      "PATH=C:\\Other\nFILE=C:\\cut";
  InstallLogRecord log;
  ASSERT_TRUE(readLog(text, log));
  EXPECT_STREQ(log.title.c_str(), "Verbolt'97 1.42b");
  EXPECT_STREQ(log.destination.c_str(), kDestination);
  ASSERT_EQ(log.groups.size(), 2u);
  EXPECT_STREQ(log.groups[0].name.c_str(), "Verbolt'97");
  EXPECT_EQ(log.groups[0].line, 4);
  EXPECT_FALSE(log.groups[0].userGroup);
  EXPECT_STREQ(log.groups[1].name.c_str(), "Second");
  EXPECT_EQ(log.groups[1].line, 19);
  EXPECT_TRUE(log.groups[1].userGroup);
  struct Expected {
    LogEntry::Kind kind;
    int line;
    const char* path;
    RegistryEntry::Root root;
    const char* key;
    bool hasValue;
    const char* valueName;
  } expected[] = {
      {LogEntry::kFile, 7, "C:\\a.txt", RegistryEntry::kNoRoot, "", false, ""},
      {LogEntry::kDirectory, 8, "C:\\d", RegistryEntry::kNoRoot, "", false, ""},
      {LogEntry::kRegistry, 9, "", RegistryEntry::kLocalMachine, "SOFTWARE\\X", false, ""},
      {LogEntry::kRegistry, 10, "", RegistryEntry::kClassesRoot, ".wdl", true, ""},
      {LogEntry::kRegistry, 11, "", RegistryEntry::kCurrentUser, "Software\\A,B", true, "Name"},
      {LogEntry::kShortcut, 12, "C:\\x.lnk", RegistryEntry::kNoRoot, "", false, ""},
  };
  ASSERT_EQ(log.entries.size(), 6u);
  for (int i = 0; i < 6; ++i) {
    const LogEntry& entry = log.entries[i];
    SCOPED_TRACE(entry.text.c_str());
    EXPECT_EQ(entry.kind, expected[i].kind);
    EXPECT_EQ(entry.line, expected[i].line);
    EXPECT_STREQ(entry.path.c_str(), expected[i].path);
    EXPECT_EQ(entry.root, expected[i].root);
    EXPECT_STREQ(entry.key.c_str(), expected[i].key);
    EXPECT_EQ(entry.hasValue, expected[i].hasValue);
    EXPECT_STREQ(entry.valueName.c_str(), expected[i].valueName);
  }
  EXPECT_STREQ(log.entries[3].text.c_str(), "REG=hkcr,.wdl,\"\"");
  std::string skipped;
  for (const RefusedLine& line : log.skipped) skipped += std::to_string(line.line) + ":" + std::to_string(int(line.reason)) + " ";
  auto reason = [](RemovalReason r) { return std::to_string(int(r)); };
  std::string notUnderstood = reason(RemovalReason::kNotUnderstood);
  EXPECT_EQ(skipped, "13:" + notUnderstood + " 14:" + notUnderstood + " 15:" + notUnderstood + " 16:" + notUnderstood +
                         " 17:" + notUnderstood + " 18:" + notUnderstood + " 21:" + reason(RemovalReason::kRepeatedLine) +
                         " 22:" + reason(RemovalReason::kRepeatedLine) + " 23:" + reason(RemovalReason::kIncompleteLine) +
                         " ");
}

TEST(InstallLogReader, RefusesALogThatIsDamagedPastUse) {
  const std::string nul("[INSTALL]\nPATH=C:\\a\n\0\n", 21);
  const std::string damaged[] = {"", "PATH=C:\\a\n", "TITLE=x\n[INSTALL]\nPATH=C:\\a\n", "[INSTALL]\nTITLE=x\n",
                                 "[INSTALL]\nPATH=a\\b\n", "[INSTALL]\nPATH=C:\\a\\..\\b\n", nul,
                                 "[INSTALL]\nPATH=C:\\a"};  // a PATH line cut short names no path
  InstallLogRecord log;
  for (const std::string& text : damaged) EXPECT_FALSE(readLog(text, log)) << text;
  EXPECT_TRUE(readLog("[install]\r\npath=C:\\a\r\n", log));
}

TEST(RemovalRules, TakesOnlyPlainFullPaths) {
  struct Case {
    const char* path;
    bool full, root;
  } cases[] = {
      {"C:\\Program Files\\Verbolt'97\\a.txt", true, false}, {"C:\\", true, true}, {"c:", false, false},
      {"\\\\server\\share\\a", true, false}, {"\\\\server\\share", true, true}, {"\\\\?\\C:\\a", false, false},
      {"\\\\.\\C:\\a", false, false}, {"a\\b.txt", false, false}, {"\\a\\b.txt", false, false},
      {"C:a.txt", false, false}, {"C:\\a\\", false, false}, {"C:\\a\\\\b", false, false},
      {"C:\\a\\..\\b", false, false}, {"C:\\a\\.\\b", false, false}, {"C:\\a.txt:stream", false, false},
      {"C:\\a\\*.txt", false, false}, {"C:\\a\\b.", false, false}, {"C:\\a\\b ", false, false},
      {"C:\\a\\NUL", false, false}, {"C:\\a\\com1.txt", false, false}, {"C:\\a\\console.txt", true, false},
      {"C:\\a/b", false, false}, {"", false, false},
      // Device names with any extension and blanks before it, also as a
      // folder; the hostile log of RemovalPlan carries the others.
      {"C:\\a\\com\xB3 .log", false, false}, {"C:\\LPT0.txt\\a", false, false}, {"C:\\a\\conout$.txt", false, false},
      {"C:\\a\\NUL .txt", false, false}, {"C:\\a\\COM1 .log", false, false}, {"C:\\a\\NUL  .txt\\b", false, false},
      {"C:\\a\\COM\xB4", true, false}, {"C:\\a\\COM10", true, false}, {"C:\\a\\NULL .txt", true, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isFullPath(c.path), c.full) << c.path;
    EXPECT_EQ(isRoot(c.path), c.root) << c.path;
  }
  std::string deep = "C:";
  while (deep.size() < 300) deep += "\\" + std::string(28, 'a');
  EXPECT_TRUE(isFullPath(deep.c_str()));
  EXPECT_TRUE(isFullPath(("C:\\" + std::string(255, 'a')).c_str()));
  EXPECT_FALSE(isFullPath(("C:\\" + std::string(256, 'a')).c_str()));
  while (deep.size() <= 32000) deep += "\\" + std::string(28, 'a');
  EXPECT_FALSE(isFullPath(deep.c_str()));
  EXPECT_TRUE(isInside("C:\\A\\b", "c:\\a"));
  EXPECT_TRUE(isInside("C:\\a\\b", "C:\\"));
  EXPECT_FALSE(isInside("C:\\ab", "C:\\a"));
  EXPECT_FALSE(isInside("C:\\a", "C:\\a"));
  EXPECT_TRUE(isSameOrInside("C:\\A", "c:\\a\\"));
  EXPECT_STREQ(parentFolder("C:\\a\\b").c_str(), "C:\\a");
  EXPECT_STREQ(parentFolder("C:\\a").c_str(), "C:\\");
  EXPECT_STREQ(parentFolder("C:\\").c_str(), "");
}

TEST(RemovalRules, TakesOnlyTheKeysThatTheInstallationMakes) {
  const RegistryEntry::Root user = RegistryEntry::kCurrentUser, machine = RegistryEntry::kLocalMachine,
                            classes = RegistryEntry::kClassesRoot;
  struct Case {
    RegistryEntry::Root root;
    const char* key;
    KeyOwner owner;
  } cases[] = {
      {user, "Software\\Quorvel\\Verbolt'97", KeyOwner::kVendor}, {user, "Software\\Quorvel", KeyOwner::kVendor},
      {machine, "SOFTWARE\\QUORVEL\\x", KeyOwner::kVendor}, {machine, kUninstallKey, KeyOwner::kUninstallEntry},
      {classes, ".WDL", KeyOwner::kExtension}, {classes, "Verbolt.WDL\\shell\\open\\command", KeyOwner::kClass},
      {classes, "kielivisa.wdl", KeyOwner::kClass},
      // The system's keys and those of other programs; the hostile log of
      // RemovalPlan carries more.
      {user, "Software", KeyOwner::kOther}, {user, "Control Panel\\Desktop", KeyOwner::kOther},
      {user, "Software\\QuorvelOther", KeyOwner::kOther}, {machine, "System\\CurrentControlSet", KeyOwner::kOther},
      {machine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall", KeyOwner::kOther},
      {machine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Verbolt'97\\Sub", KeyOwner::kOther},
      {machine, "Software\\Policies\\Quorvel", KeyOwner::kOther}, {machine, "Software\\Classes\\.wdl", KeyOwner::kOther},
      {machine, "Software\\Wow6432Node\\Quorvel", KeyOwner::kOther}, {classes, ".wdl\\ShellNew", KeyOwner::kOther},
      {classes, "Verbolt.WDLx", KeyOwner::kOther}, {classes, "*", KeyOwner::kOther},
      {RegistryEntry::kUsers, "S-1-5-21\\Software\\Quorvel", KeyOwner::kOther},
      {user, "Software\\Quorvel\\", KeyOwner::kOther}, {user, "Software\\\\Quorvel", KeyOwner::kOther},
      {user, "\\Software\\Quorvel", KeyOwner::kOther}, {RegistryEntry::kNoRoot, "Software\\Quorvel", KeyOwner::kOther},
  };
  for (const Case& c : cases) EXPECT_EQ(keyOwner(c.root, c.key), c.owner) << c.key;

  const std::string remove = std::string(kDestination) + "\\Remove.exe";
  struct Command {
    std::string text;
    bool startsRemove;
  } commands[] = {
      {"\"" + remove + "\"", true}, {remove, true}, {"\"c:\\PROGRAM FILES\\verbolt'97\\remove.exe\" /S", true},
      {"\"C:\\Program Files\\OtherApp\\uninst.exe\"", false}, {remove + " /S", false}, {"\"" + remove, false},
      {"\"C:\\Program Files\\OtherApp\\..\\Verbolt'97\\Remove.exe\"", false}, {"", false}, {"\"\"", false},
  };
  for (const Command& c : commands) EXPECT_EQ(startsProgram(c.text.c_str(), remove.c_str()), c.startsRemove) << c.text;
}

TEST(RemovalPlan, UndoesTheInstallationInReverseAndRefusesWhatIsNotOurs) {
  const std::string d = "C:\\Program Files\\Verbolt'97", group = "C:\\WINDOWS\\Start Menu\\Programs\\Verbolt'97";
  const std::string text = "[INSTALL]\nTITLE=Verbolt'97 1.42b\nPATH=" + d + "\nICONGROUP=Verbolt'97\n" +
                           "ICONUSERGROUP=YES\nFILE=C:\\WINDOWS\\SYSTEM\\comctl32.new\nFILE=" + d + "\\Remove.exe\n" +
                           "DIRECTORY=" + d + "\\Samples\nFILE=" + d + "\\Samples\\Basic1.wdl\nFILE=Relative.txt\n" +
                           "FILE=C:\\Other\\x.txt\nDIRECTORY=" + d + "\nREG=HKLM,SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Verbolt'97\n" +
                           "REG=HKCU,Software\\Quorvel\\Verbolt'97,\"PlayFile1\"\nREG=HKCU,Environment,\"Path\"\n" +
                           "REG=HKCR,.wdl,\"\"\nREG=HKCR,Verbolt.WDL\nREG=HKCR,Verbolt.WDL\\shell\\open\\command\n" +
                           "REG=HKCR,Verbolt.WDL\\shell\\open\\command,\"\"\nICON=" + group +
                           "\\Verbolt'97.lnk\nICON=" + group + "\\Sub\\Deep\\Read.lnk\nICON=C:\\WINDOWS\\Desktop\\Verbolt'97.lnk\n" +
                           "ICON=C:\\WINDOWS\\notepad.exe\nICON=C:\\WINDOWS\\Other.lnk\nGARBAGE\n";
  InstallLogRecord log;
  ASSERT_TRUE(readLog(text, log));
  RemovalPlan plan = RemovalPlan::make(log, places(), FixedRegistry());
  EXPECT_EQ(plan.groupFolders, std::vector<CText>{group.c_str()});
  std::string steps;
  for (const RemovalStep& step : plan.steps)
    steps += std::to_string(step.action) + (step.association ? "a " : " ") + step.describe().c_str() + " | " +
             step.linkFreeFrom.c_str() + "\n";
  EXPECT_EQ(steps, "0 C:\\WINDOWS\\Desktop\\Verbolt'97.lnk | \n"
                   "0 " + group + "\\Sub\\Deep\\Read.lnk | " + group + "\n"
                   "0 " + group + "\\Verbolt'97.lnk | " + group + "\n"
                   "1 " + d + "\\Samples\\Basic1.wdl | " + d + "\n"
                   "2 HKCR\\Verbolt.WDL\\shell\\open\\command \"\" | \n"
                   "2a HKCR\\.wdl \"\" | \n"
                   "2 HKCU\\Software\\Quorvel\\Verbolt'97 \"PlayFile1\" | \n"
                   "3 HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Verbolt'97 | \n"
                   "3 HKCR\\Verbolt.WDL\\shell\\open\\command | \n"
                   "3 HKCR\\Verbolt.WDL\\shell\\open | \n"
                   "3 HKCR\\Verbolt.WDL\\shell | \n"
                   "3 HKCR\\Verbolt.WDL | \n"
                   "4 " + d + "\\Samples | " + d + "\n"
                   "4 " + group + "\\Sub\\Deep | " + group + "\n"
                   "4 " + group + "\\Sub | " + group + "\n"
                   "4 " + group + " | " + group + "\n"
                   "5 " + d + "\\Install.log | \n"
                   "6 " + d + "\\Remove.exe | " + d + "\n"
                   "4 " + d + " | " + d + "\n");
  std::string refused;
  for (const RefusedLine& line : plan.refused) refused += std::to_string(line.line) + ":" + std::to_string(int(line.reason)) + " ";
  auto at = [](int line, RemovalReason reason) { return std::to_string(line) + ":" + std::to_string(int(reason)) + " "; };
  EXPECT_EQ(refused, at(6, RemovalReason::kSystemFolder) + at(10, RemovalReason::kNotFullPath) +
                         at(11, RemovalReason::kOutsideDestination) + at(15, RemovalReason::kForeignKey) +
                         at(23, RemovalReason::kNotShortcut) + at(24, RemovalReason::kNotShortcutPlace) +
                         at(25, RemovalReason::kNotUnderstood));
  EXPECT_TRUE(plan.ownsClass("verbolt.wdl"));
  EXPECT_FALSE(plan.ownsClass(".wdl"));
  EXPECT_FALSE(plan.ownsClass("Other.WDL"));

  // A group name that is no one folder name names no folder, and the
  // shortcuts where it would lead are no shortcuts of a group.
  const std::string badGroups[][2] = {{"..\\..", "C:\\WINDOWS\\a.lnk"},
                                      {"..", "C:\\WINDOWS\\Start Menu\\a.lnk"},
                                      {"C:\\Users\\x\\Documents", "C:\\Users\\x\\Documents\\a.lnk"},
                                      {"Verbolt'97\\..\\..\\Startup", "C:\\WINDOWS\\Start Menu\\Startup\\a.lnk"},
                                      {"Verbolt'97\\Sub", group + "\\Sub\\a.lnk"}};
  for (const auto& badGroup : badGroups) {
    SCOPED_TRACE(badGroup[0]);
    ASSERT_TRUE(readLog("[INSTALL]\nPATH=" + d + "\nICONGROUP=" + badGroup[0] + "\nICON=" + badGroup[1] + "\n", log));
    RemovalPlan plan = RemovalPlan::make(log, places(), FixedRegistry());
    EXPECT_TRUE(plan.groupFolders.empty());
    ASSERT_EQ(plan.refused.size(), 2u);
    EXPECT_EQ(plan.refused[0].reason, RemovalReason::kBadGroupName);
    EXPECT_EQ(plan.refused[1].reason, RemovalReason::kNotShortcutPlace);
    EXPECT_EQ(plan.steps.size(), 2u);  // the log and the destination
  }
}

TEST(RemovalPlan, RemovesNothingOfALogThatNamesAnotherFolderThanItsOwn) {
  const std::string body = "FILE=C:\\victim\\a.txt\nFILE=C:\\Users\\x\\Documents\\Thesis.doc\n"
                           "FILE=C:\\Program Files\\OtherApp\\app.exe\nDIRECTORY=C:\\Users\\x\\Documents\n";
  struct Case {
    const char* path;
    bool damaged;
  } cases[] = {
      {"C:\\", true}, {"C:\\Program Files", true}, {"C:\\Users\\x\\Documents", true},
      {"C:\\Program Files\\Verbolt'97\\Samples", true}, {"c:\\PROGRAM FILES\\verbolt'97", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    InstallLogRecord log;
    ASSERT_TRUE(readLog(std::string("[INSTALL]\nPATH=") + c.path + "\n" + body, log));
    RemovalPlan plan = RemovalPlan::make(log, places(), FixedRegistry());
    EXPECT_EQ(plan.damaged, c.damaged);
    // Nothing but the log and the folder of the uninstaller that was started.
    EXPECT_EQ(plan.steps.size(), c.damaged ? 0u : 2u);
    ASSERT_EQ(plan.refused.size(), c.damaged ? 1u : 4u);
    EXPECT_EQ(plan.refused[0].line, c.damaged ? 2 : 3);
    EXPECT_EQ(plan.refused[0].reason, c.damaged ? RemovalReason::kOtherDestination : RemovalReason::kOutsideDestination);
  }
}

// Installed into a drive's root or a system folder, the uninstaller removes
// what it logged there but never the folder itself.
TEST(RemovalPlan, KeepsADestinationThatIsARootOrASystemFolder) {
  for (std::string destination : {"C:\\", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM", "C:\\Program Files",
                                   "C:\\WINDOWS\\Desktop"}) {
    SCOPED_TRACE(destination);
    const std::string inside = destination + (destination.back() == '\\' ? "" : "\\");
    RemovalPlaces where = places();
    where.logPath = (inside + "Install.log").c_str();
    where.program = (inside + "Remove.exe").c_str();
    InstallLogRecord log;
    ASSERT_TRUE(readLog("[INSTALL]\nPATH=" + destination + "\nDIRECTORY=" + destination + "\nDIRECTORY=" + inside +
                            "Sub\n",
                        log));
    RemovalPlan plan = RemovalPlan::make(log, where, FixedRegistry());
    EXPECT_FALSE(plan.damaged);
    for (const RemovalStep& step : plan.steps)
      EXPECT_TRUE(step.action != RemovalStep::kFolder || step.path == (inside + "Sub").c_str()) << step.describe().c_str();
  }
}

TEST(RemovalPlan, RefusesEveryLineOfAHostileLogWithItsReason) {
  using R = RemovalReason;
  const std::string d = kDestination, programs = "C:\\WINDOWS\\Start Menu\\Programs", group = programs + "\\Verbolt'97",
                    desktop = "C:\\WINDOWS\\Desktop", documents = "C:\\Users\\x\\Documents",
                    uninstall = "REG=HKLM,SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
  const std::string ours = "FILE=" + d + "\\Verbolt.exe\nICON=" + group + "\\Verbolt'97.lnk\n" +
                           "ICON=C:\\WINDOWS\\All Users\\Desktop\\Verbolt'97.lnk\n" +
                           "REG=HKCU,Software\\Quorvel\\Verbolt'97\\Settings,\"PlayFile1\"\n";
  const struct {
    std::string line;
    RemovalReason reason;
  } hostile[] = {
      {"FILE=" + d + "\\..\\OtherApp\\app.exe", R::kNotFullPath},
      {"FILE=\\\\?\\C:\\victim\\a.txt", R::kNotFullPath},
      {"FILE=\\\\.\\C:\\victim\\a.txt", R::kNotFullPath},
      {"FILE=" + d + "/../OtherApp/app.exe", R::kNotFullPath},
      {"FILE=" + d + "\\Verbolt.exe.", R::kNotFullPath},
      {"FILE=" + d + "\\Verbolt.exe ", R::kNotFullPath},
      {"FILE=" + d + "\\Verbolt.exe::$DATA", R::kNotFullPath},
      {"FILE=" + d + "\\COM\xB9", R::kNotFullPath},
      {"FILE=" + d + "\\LPT\xB2.txt", R::kNotFullPath},
      {"FILE=" + d + "\\com\xB3", R::kNotFullPath},
      {"FILE=" + d + "\\COM0", R::kNotFullPath},
      {"FILE=" + d + "\\LPT0.txt", R::kNotFullPath},
      {"FILE=" + d + "\\CONIN$", R::kNotFullPath},
      {"FILE=" + d + "\\CONOUT$", R::kNotFullPath},
      {"FILE=\\\\server\\share\\Verbolt'97\\a.txt", R::kOutsideDestination},
      {"FILE=C:\\PROGRA~1\\OTHERA~1\\app.exe", R::kOutsideDestination},
      {"FILE=C:\\victim\\a.txt", R::kOutsideDestination},
      {"FILE=" + documents + "\\Thesis.doc", R::kOutsideDestination},
      {"FILE=C:\\Program Files\\OtherApp\\app.exe", R::kOutsideDestination},
      {"DIRECTORY=" + documents, R::kOutsideDestination},
      {"FILE=C:\\WINDOWS\\SYSTEM\\comctl32.dll", R::kSystemFolder},
      {"ICON=" + documents + "\\a.lnk", R::kNotShortcutPlace},
      {"ICON=" + programs + "\\Startup\\OtherApp.lnk", R::kNotShortcutPlace},
      {"ICON=" + desktop + "\\OtherApp\\OtherApp.lnk", R::kNotShortcutPlace},
      {"ICON=" + d + "\\Verbolt'97.lnk", R::kNotShortcutPlace},
      {"ICON=" + group + "\\..\\OtherApp\\OtherApp.lnk", R::kNotFullPath},
      {"ICON=" + desktop + "\\Thesis.doc", R::kNotShortcut},
      {uninstall + "OtherApp,\"UninstallString\"", R::kForeignKey},
      {uninstall + "OtherApp", R::kForeignKey},
      {"REG=HKCR,CLSID\\{00000000-0000-0000-0000-000000000000}\\InprocServer32,\"\"", R::kForeignKey},
      {"REG=HKCR,txtfile\\shell\\open\\command,\"\"", R::kForeignKey},
      {"REG=HKCU,Software\\OtherVendor,\"Setting\"", R::kForeignKey},
      {"REG=HKLM,SOFTWARE,\"Verbolt\"", R::kForeignKey},
      {"REG=HKLM,SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run,\"Verbolt\"", R::kForeignKey},
      {"REG=HKCU,Environment,\"Path\"", R::kForeignKey},
      {"REG=HKCR,.wdl,\"Content Type\"", R::kForeignKey},
      // A value name begun but never ended is not the key's default value.
      {"REG=HKCU,Software\\Quorvel\\X,\"", R::kNotUnderstood},
      // An entry of this name whose command starts another uninstaller.
      {uninstall + "Verbolt'97,\"UninstallString\"", R::kOtherUninstallEntry},
      {uninstall + "Verbolt'97", R::kOtherUninstallEntry},
  };
  const int firstHostile = 9;
  std::string text = "[INSTALL]\nPATH=" + d + "\nICONGROUP=Verbolt'97\nICONUSERGROUP=YES\n" + ours;
  for (const auto& line : hostile) text += line.line + "\n";
  InstallLogRecord log;
  ASSERT_TRUE(readLog(text, log));
  FixedRegistry registry;
  registry.setUninstallString(kUninstallKey, "\"C:\\Program Files\\OtherApp\\uninst.exe\"");
  RemovalPlan plan = RemovalPlan::make(log, places(), registry);

  std::set<int> planned;
  for (const RemovalStep& step : plan.steps) {
    if (step.line) planned.insert(step.line);
  }
  EXPECT_EQ(planned, (std::set<int>{5, 6, 7, 8}));
  ASSERT_EQ(plan.refused.size(), std::size(hostile));
  for (size_t i = 0; i < std::size(hostile); ++i) {
    SCOPED_TRACE(hostile[i].line);
    EXPECT_EQ(plan.refused[i].line, firstHostile + static_cast<int>(i));
    EXPECT_EQ(plan.refused[i].reason, hostile[i].reason);
  }
  EXPECT_FALSE(plan.ownsClass("txtfile"));  // so ".wdl" may not lose a default value that names it
}

TEST(RemovalReport, CountsWhatWentAndAnswersTheExitCode) {
  RemovalStep file, value, folder;
  file.path = "C:\\a.txt";
  value.action = RemovalStep::kValue;
  value.root = RegistryEntry::kLocalMachine;
  value.key = "SOFTWARE\\X";
  folder.action = RemovalStep::kFolder;
  folder.path = "C:\\d";
  RemovalReport report;
  report.record(file, RemovalReport::kRemoved);
  report.record(value, RemovalReport::kRemoved);
  report.record(folder, RemovalReport::kAbsent);
  report.record(folder, RemovalReport::kKept, RemovalReason::kNotEmpty);
  EXPECT_EQ(report.exitCode(), RemovalReport::kComplete);
  report.record(file, RemovalReport::kScheduled);
  EXPECT_EQ(report.exitCode(), RemovalReport::kRestartNeeded);
  report.record(value, RemovalReport::kNotRemoved, RemovalReason::kError, 5);
  EXPECT_EQ(report.exitCode(), RemovalReport::kIncomplete);
  EXPECT_EQ(report.removedFiles, 1);
  EXPECT_EQ(report.removedRegistry, 1);
  EXPECT_EQ(report.removedFolders, 0);
  ASSERT_EQ(report.kept.size(), 1u);
  EXPECT_STREQ(report.notRemoved[0].what.c_str(), "HKLM\\SOFTWARE\\X \"\"");
  EXPECT_EQ(report.notRemoved[0].error, 5u);
}

TEST(RemoveCommandLine, ReadsTheUsersAndTheCopysArguments) {
  EXPECT_FALSE(RemoveCommandLine::parse("").silent);
  EXPECT_TRUE(RemoveCommandLine::parse(" /s ").silent);
  EXPECT_TRUE(RemoveCommandLine::parse("-S").valid);
  for (const char* bad : {"/X", "S", "/S extra", "/COPY 12 34", "/COPY 0 34 \"C:\\a\\Remove.exe\"",
                          "/COPY 12 x4 \"C:\\a\\Remove.exe\"", "/COPY 1 2 \"\""})
    EXPECT_FALSE(RemoveCommandLine::parse(bad).valid) << bad;
  CText copyLine = RemoveCommandLine::forCopy("C:\\Temp\\~vbremove1\\Remove.exe", 12, 34,
                                              "C:\\Program Files\\Verbolt'97\\Remove.exe", true);
  EXPECT_STREQ(copyLine.c_str(),
               "\"C:\\Temp\\~vbremove1\\Remove.exe\" /COPY 12 34 \"C:\\Program Files\\Verbolt'97\\Remove.exe\" /S");
  RemoveCommandLine copy = RemoveCommandLine::parse(copyLine.c_str() + copyLine.find(' ') + 1);
  EXPECT_TRUE(copy.valid && copy.isCopy && copy.silent);
  EXPECT_EQ(copy.resultPipe, 12u);
  EXPECT_EQ(copy.firstProcess, 34u);
  EXPECT_STREQ(copy.program.c_str(), "C:\\Program Files\\Verbolt'97\\Remove.exe");
}

TEST(RemovalPlan, RemovesEverythingThatAnInstallationOfTheDeliveredScriptMade) {
  for (bool finnishWordFiles : {false, true}) {
    SCOPED_TRACE(finnishWordFiles ? "Kielivisa" : "Verbolt");
    InstallLogRecord log;
    ASSERT_TRUE(readLog(deliveredLog(finnishWordFiles), log));
    ASSERT_EQ(log.entries.size(), 21u + 29u + 5u);  // files and folders, registry lines, shortcuts
    RemovalPlan plan = RemovalPlan::make(log, places(), FixedRegistry());
    for (const RefusedLine& line : plan.refused) ADD_FAILURE() << line.text.c_str();
    std::set<int> planned;
    std::set<std::string> unnamed;  // planned, but named by no line of its own
    for (const RemovalStep& step : plan.steps) {
      planned.insert(step.line);
      if (!step.line) unnamed.insert(step.describe().c_str());
      if (step.action == RemovalStep::kShortcut) {
        EXPECT_STREQ(step.targetFolder.c_str(), kDestination);
      }
    }
    for (const LogEntry& entry : log.entries) {
      bool program = samePath(entry.path.c_str(), places().program.c_str());
      EXPECT_TRUE(program || planned.count(entry.line)) << entry.text.c_str();
    }
    const std::string group = std::string(places().userPrograms.c_str()) + "\\Verbolt'97";
    EXPECT_EQ(unnamed, (std::set<std::string>{places().logPath.c_str(), places().program.c_str(), kDestination, group}));
    EXPECT_TRUE(plan.ownsClass(finnishWordFiles ? "Kielivisa.WDL" : "Verbolt.WDL"));
  }
}

namespace {

// Whether step b lies inside what step a removes: a file or folder inside a
// folder, a key or value inside a key.
bool holds(const RemovalStep& a, const RemovalStep& b) {
  if (a.action != RemovalStep::kKey && a.action != RemovalStep::kFolder) return false;
  CText outer = a.describe(), inner = b.describe();
  std::string low = lowerName(inner.c_str(), inner.length()), prefix = lowerName(outer.c_str(), outer.length());
  return low.compare(0, prefix.size() + 1, prefix + "\\") == 0 || low.compare(0, prefix.size() + 2, prefix + " \"") == 0;
}

}  // namespace

TEST(RemovalPlan, TakesEveryGroupAndRemovesKeysAndFoldersAfterWhatTheyHoldWhateverTheLineOrder) {
  // As a reinstallation leaves the log: this run's group with the earlier
  // run's, the folders above the destination that a silent run made, and
  // the lines carried from the earlier log (the values) before this run's.
  const std::string d = "C:\\Words\\Lists\\Verbolt'97";
  const std::string commonGroup = std::string(places().commonPrograms.c_str()) + "\\Verbolt'97";
  std::string delivered = deliveredLog(false, d);
  size_t body = delivered.find("FILE=");
  std::vector<std::string> lines;
  for (size_t start = body, end; start < delivered.size(); start = end + 1) {
    end = delivered.find('\n', start);
    lines.push_back(delivered.substr(start, end + 1 - start));
  }
  std::stable_partition(lines.begin(), lines.end(), [](const std::string& line) { return line.find(",\"") != std::string::npos; });
  std::string text = delivered.substr(0, body) + "ICONGROUP=Verbolt'97\nICONUSERGROUP=NO\n" +
                     "DIRECTORY=C:\\Words\\Lists\nDIRECTORY=C:\\Words\nDIRECTORY=C:\\\n" +
                     "ICON=" + commonGroup + "\\Verbolt'97.lnk\n";
  for (const std::string& line : lines) text += line;

  InstallLogRecord log;
  ASSERT_TRUE(readLog(text, log));
  FixedRegistry registry;
  registry.setUninstallString(kUninstallKey, "\"" + d + "\\Remove.exe\"");
  RemovalPlan plan = RemovalPlan::make(log, places(d), registry);
  for (const RefusedLine& line : plan.refused) ADD_FAILURE() << line.text.c_str();
  const std::string userGroup = std::string(places().userPrograms.c_str()) + "\\Verbolt'97";
  EXPECT_EQ(plan.groupFolders, (std::vector<CText>{userGroup.c_str(), commonGroup.c_str()}));
  std::set<std::string> planned;
  for (size_t i = 0; i < plan.steps.size(); ++i) {
    planned.insert(plan.steps[i].describe().c_str());
    for (size_t j = i + 1; j < plan.steps.size(); ++j) {
      EXPECT_FALSE(holds(plan.steps[i], plan.steps[j])) << plan.steps[i].describe().c_str() << " before "
                                                        << plan.steps[j].describe().c_str();
    }
  }
  for (const std::string& folder : {userGroup, commonGroup, d, std::string("C:\\Words\\Lists"), std::string("C:\\Words")})
    EXPECT_TRUE(planned.count(folder)) << folder;
  EXPECT_FALSE(planned.count("C:\\"));
  ASSERT_GE(plan.steps.size(), 2u);
  EXPECT_STREQ(plan.steps.back().path.c_str(), "C:\\Words");
}
