// Remove.exe end to end: each test installs into a folder of its own (with
// blanks in its path) through the install phases, in this process, with
// Remove.exe and Verbolt.exe among the payloads, then starts the installed
// Remove.exe and checks what is left.
#include "installer/phases/InstallRun.h"
#include "installer/phases/InstallUser.h"
#include "installer/phases/ModulePayloads.h"
#include "installer/phases/Win32SetupEnvironment.h"
#include "installer/script/InstallLogText.h"
#include "installer/script/SetupScript.h"
#include "tests/e2e/CleanState.h"
#include "tests/e2e/QuizFixture.h"
#include "tests/e2e/QuizSession.h"
#include "tests/e2e/SystemTraces.h"
#include "tests/e2e/UnixCommand.h"
#include "tests/e2e/WindowAccess.h"
#include "tests/wine/WineTest.h"

#include <windows.h>
#include <shlobj.h>
#include <sddl.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include <set>
#include <string>

using e2e::clearPendingMoves;
using e2e::keyExists;
using e2e::lowered;
using e2e::pendingMoves;
using e2e::runUnix;
using e2e::unixPath;

namespace {

const char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Verbolt'97";
const char kSettingsKey[] = "Software\\Quorvel\\Verbolt'97\\Settings";
const DWORD kRemoveTimeout = 30000;

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string temporaryFolder() {
  char buffer[MAX_PATH];
  GetTempPathA(MAX_PATH, buffer);
  std::string folder(buffer);
  return folder.substr(0, folder.size() - 1);
}

std::string registryText(HKEY root, const char* key, const char* name) {
  char buffer[512];
  DWORD size = sizeof buffer;
  if (SHGetValueA(root, key, name, nullptr, buffer, &size) != ERROR_SUCCESS) return "<missing>";
  return std::string(buffer, size ? size - 1 : 0);
}

DWORD registryNumber(HKEY root, const char* key, const char* name) {
  DWORD number = 0xFFFFFFFF, size = sizeof number, type = 0;
  SHGetValueA(root, key, name, &type, &number, &size);
  return type == REG_DWORD ? number : 0xFFFFFFFF;
}

bool waitsForRestart(const std::string& path) {
  return pendingMoves().find(lowered("\\??\\" + path + "|")) != std::string::npos;
}

// The temporary folders that copies of Remove work in.
std::set<std::string> removeCopies() {
  std::set<std::string> folders;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((temporaryFolder() + "\\~vbremove*").c_str(), &found);
  for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found))
    folders.insert(temporaryFolder() + "\\" + found.cFileName);
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  return folders;
}

// The folder's access list in the system's text form: "D:(A;...;SID)...".
std::string accessList(const std::string& folder) {
  char buffer[4096];
  DWORD size = 0;
  char* text = nullptr;
  if (!GetFileSecurityA(folder.c_str(), DACL_SECURITY_INFORMATION, buffer, sizeof buffer, &size) ||
      !ConvertSecurityDescriptorToStringSecurityDescriptorA(buffer, SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text,
                                                            nullptr))
    return "";
  std::string list(text);
  LocalFree(text);
  return list;
}

// Waits until the one copy of Remove made since before has ended, leaving
// nothing but its file and folder, both waiting for the restart; answers the
// folder, or an empty text.
std::string endedCopy(const std::set<std::string>& before) {
  std::set<std::string> now = removeCopies();
  std::vector<std::string> made;
  std::set_difference(now.begin(), now.end(), before.begin(), before.end(), std::back_inserter(made));
  CHECK_EQ(made.size(), 1u);
  if (made.size() != 1) return "";
  std::string folder = made[0], copy = folder + "\\Remove.exe";
  // Only the user and the administrators, not everyone as in a folder
  // made plainly there.
  std::string access = accessList(folder);
  CHECK_EQ(std::count(access.begin(), access.end(), '('), 2);
  CHECK(access.find(";WD)") == std::string::npos);
  bool scheduled = e2e::waitFor([&] { return waitsForRestart(folder) && waitsForRestart(copy); },
                                "the copy of Remove and its folder waiting for the restart", kRemoveTimeout);
  e2e::waitFor([&] { return DeleteFileA(copy.c_str()) || !exists(copy); }, "the copy of Remove ended");
  RemoveDirectoryA(folder.c_str());
  return scheduled ? folder : "";
}

// Wine cannot make a junction (FSCTL_SET_REPARSE_POINT answers "not
// supported") or a symbolic link (CreateSymbolicLink does nothing), but shows
// a Unix symbolic link as a reparse point; so the system's ln makes one.
// Wine shows a link to a folder as a reparse point, a link to a file as the
// file.
bool makeLink(const std::string& link, const std::string& target) {
  return runUnix("Z:\\bin\\ln", "-s \"" + unixPath(target) + "\" \"" + unixPath(link) + "\"") &&
         e2e::waitFor([&] { return exists(link); }, "the link " + link);
}

// Wine's RemoveDirectory cannot remove a link as a link either.
bool removeLink(const std::string& link) {
  DWORD attributes = GetFileAttributesA(link.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return true;
  return runUnix("Z:\\bin\\rm", "\"" + unixPath(link) + "\"") &&
         e2e::waitFor([&] { return !exists(link); }, "the link " + link + " gone");
}

// The installations here ask nothing.
class QuietUser : public InstallUser {
 public:
  void showPhase(const char*) override {}
  void showStatus(const char*) override {}
  void setProgressRange(int) override {}
  void stepProgress() override {}
  int ask(const char* text, const char*, UINT) override {
    winetest::fail(__FILE__, __LINE__, std::string("unexpected question: ") + text);
    return IDCANCEL;
  }
  HWND owner() override { return nullptr; }
  bool stopRequested() override { return stopAfter >= 0 && checks++ >= stopAfter; }
  int stopAfter = -1, checks = 0;
};

class TestEnvironment : public Win32SetupEnvironment {
 public:
  CText desktopFolder() override { return desktop.c_str(); }
  std::string desktop;
};

std::string deliveredScript() {
  HRSRC found = FindResourceA(nullptr, "SETUP.INS", "INSTALL");
  HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  if (!loaded) return "";
  return std::string(static_cast<const char*>(LockResource(loaded)), SizeofResource(nullptr, found));
}

// An area of the test's own in the temporary folder, with the destination
// "...\<test>\Verbolt'97", and a program group of the user's own named after
// the test. Desktop shortcuts go onto the user's desktop, the only one besides
// the group where Remove takes them. Everything the product may leave there
// and in the registry is removed before and after.
class Installation {
 public:
  explicit Installation(const std::string& test) : payloads(GetModuleHandleA(nullptr)) {
    area = temporaryFolder() + "\\remove e2e\\" + test;
    folder = area + "\\Verbolt'97";
    char desktop[MAX_PATH] = "", programs[MAX_PATH] = "";
    SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE);
    environment.desktop = desktop;
    groupName = "Verbolt'97 e2e " + test;
    SHGetSpecialFolderPathA(nullptr, programs, CSIDL_PROGRAMS, FALSE);
    group = std::string(programs) + "\\" + groupName;
    clean();
    e2e::makeEmptyFolder(area);
  }
  ~Installation() {
    script.reset();
    clean();
  }

  SetupScript& parse(const std::string& text) {
    script.reset(new SetupScript(environment, payloads));
    script->parse(text.data(), static_cast<unsigned>(text.size()));
    return *script;
  }
  // Installs as the installer does after its wizard, with the program group
  // of the user; answers whether every phase ran.
  bool run(SetupScript& installed, int stopAfter = -1) {
    installed.destination = folder.c_str();
    installed.iconFolder = group.c_str();
    CreateDirectoryA(folder.c_str(), nullptr);
    CHECK(installed.startLog());
    installed.log.write(InstallLogText::iconGroup(groupName.c_str()));
    installed.log.write(InstallLogText::iconUserGroup(true));
    installed.computeRequiredSize();
    user = QuietUser();
    user.stopAfter = stopAfter;
    bool complete = InstallRun(installed, payloads, user).run();
    installed.log.close();
    return complete;
  }
  // Starts the installed Remove.exe in a work folder of its own.
  bool startRemove(e2e::TargetProgram& remove, const std::vector<std::string>& arguments) {
    return remove.start(path("Remove.exe"), arguments, "", area + "\\work" + std::to_string(++starts));
  }
  std::string path(const std::string& name) const { return folder + "\\" + name; }
  std::string log() const { return e2e::readFileBytes(path("Install.log")); }

  std::string area, folder, group, groupName;
  TestEnvironment environment;
  ModulePayloads payloads;
  std::unique_ptr<SetupScript> script;
  QuietUser user;

 private:
  void clean() {
    removeLink(folder + "\\Samples");
    e2e::makeEmptyFolder(area);
    RemoveDirectoryA(area.c_str());
    e2e::makeEmptyFolder(group);
    RemoveDirectoryA(group.c_str());
    for (const char* link : {"\\Verbolt'97.lnk", "\\Kielivisa'97.lnk"}) DeleteFileA((environment.desktop + link).c_str());
    for (const char* key : {".wdl", "Verbolt.WDL", "Kielivisa.WDL"}) e2e::removeRegistryTree(HKEY_CLASSES_ROOT, key);
    e2e::removeRegistryTree(HKEY_LOCAL_MACHINE, kUninstallKey);
    e2e::removeRegistryTree(HKEY_CURRENT_USER, "Software\\Quorvel\\Verbolt'97");
    e2e::removeRegistryTree(HKEY_CURRENT_USER, "Software\\Quorvel\\Kielivisa'97");
    clearPendingMoves();
  }
  int starts = 0;
};

// Gives path the last-write time of reference plus seconds: file times are
// coarser than the steps of a test.
bool setLastWriteLater(const std::string& path, const std::string& reference, int seconds) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(reference.c_str(), GetFileExInfoStandard, &data)) return false;
  ULARGE_INTEGER time;
  time.LowPart = data.ftLastWriteTime.dwLowDateTime;
  time.HighPart = data.ftLastWriteTime.dwHighDateTime;
  time.QuadPart += static_cast<ULONGLONG>(seconds) * 10000000;
  FILETIME later = {time.LowPart, time.HighPart};
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  bool set = file != INVALID_HANDLE_VALUE && SetFileTime(file, nullptr, nullptr, &later);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return set;
}

std::string today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char date[16];
  wsprintfA(date, "%04u%02u%02u", now.wYear, now.wMonth, now.wDay);
  return date;
}

}  // namespace

WINE_TEST(silentRemoveAfterTwoInstallationsLeavesNothingButTheLearnersSettings) {
  Installation install("silent");
  SHSetValueA(HKEY_CURRENT_USER, kSettingsKey, "Learner", REG_SZ, "mine", 5);
  CHECK(install.run(install.parse(deliveredScript())));
  // Again with fewer components: the log keeps what the first one made.
  SetupScript& second = install.parse(deliveredScript());
  second.toggleSelection(second.selections[1]);
  second.toggleSelection(second.selections[2]);
  CHECK(install.run(second));
  CHECK(exists(install.path("Kielivis.exe")) && exists(install.path("Samples\\Verbs.wdl")));
  CHECK(exists(install.group + "\\Verbolt'97.lnk") && exists(install.environment.desktop + "\\Verbolt'97.lnk"));

  const std::string remover = install.path("Remove.exe");
  const HKEY machine = HKEY_LOCAL_MACHINE;
  CHECK_EQ(registryText(machine, kUninstallKey, "UninstallString"), "\"" + remover + "\"");
  CHECK_EQ(registryText(machine, kUninstallKey, "QuietUninstallString"), "\"" + remover + "\" /S");
  CHECK_EQ(registryText(machine, kUninstallKey, "InstallLocation"), install.folder);
  CHECK_EQ(registryText(machine, kUninstallKey, "DisplayIcon"), remover + ",0");
  CHECK_EQ(registryText(machine, kUninstallKey, "InstallDate"), today());
  CHECK_EQ(registryNumber(machine, kUninstallKey, "EstimatedSize"), static_cast<DWORD>(second.requiredSize / 1024 + 1));
  CHECK_EQ(registryNumber(machine, kUninstallKey, "NoModify"), 1u);
  CHECK_EQ(registryNumber(machine, kUninstallKey, "NoRepair"), 1u);
  // The learner's own notes in the read-me, a minute later, are the
  // learner's now.
  const std::string readMe = install.path("ReadMe.txt");
  e2e::writeFileBytes(readMe, e2e::readFileBytes(readMe) + "my notes");
  CHECK(setLastWriteLater(readMe, install.path("Install.log"), 60));

  std::set<std::string> copies = removeCopies();
  e2e::TargetProgram remove;
  CHECK(install.startRemove(remove, {"/S"}));
  CHECK_EQ(remove.waitForExit(kRemoveTimeout), 0);
  CHECK(!endedCopy(copies).empty());
  clearPendingMoves();
  CHECK(exists(readMe) && !exists(install.path("Remove.exe")) && !exists(install.path("Samples")));
  DeleteFileA(readMe.c_str());
  RemoveDirectoryA(install.folder.c_str());
  CHECK(!exists(install.folder));
  CHECK(!exists(install.group));
  CHECK(!exists(install.environment.desktop + "\\Verbolt'97.lnk"));
  CHECK(!exists(install.environment.desktop + "\\Kielivisa'97.lnk"));
  CHECK(!keyExists(machine, kUninstallKey));
  CHECK(!keyExists(HKEY_CLASSES_ROOT, ".wdl") && !keyExists(HKEY_CLASSES_ROOT, "Verbolt.WDL"));
  CHECK(!keyExists(HKEY_CURRENT_USER, "Software\\Quorvel\\Kielivisa'97"));
  CHECK_EQ(registryText(HKEY_CURRENT_USER, kSettingsKey, "Learner"), "mine");
  CHECK_EQ(registryText(HKEY_CURRENT_USER, kSettingsKey, "PlayFile1"), "<missing>");
}

WINE_TEST(interactiveRemoveAsksOnceWaitsForVerboltAndLeavesAFileInUseForTheRestart) {
  Installation install("interactive");
  CHECK(install.run(install.parse("[MAIN]\nPROGRAM=Remove test 1.0\nFILE=REMOVE.EXE,%d\\Remove.exe\n"
                                  "FILE=VERBOLT.EXE,%d\\Verbolt.exe\nDIRECTORY=%d\\Samples\n"
                                  "FILE=NONE.WDL,%d\\Samples\\held.wdl\n")));
  e2e::QuizSession verbolt;
  CHECK(verbolt.start(install.folder, install.area + "\\verbolt", {}));
  const std::string held = install.path("Samples\\held.wdl");
  HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  std::set<std::string> copies = removeCopies();
  e2e::TargetProgram remove;
  CHECK(install.startRemove(remove, {}));
  HWND question = remove.waitForDialog();
  CHECK_EQ(e2e::messageBoxText(question), "Remove Remove test 1.0 and all of its components from this computer?");
  e2e::TargetProgram second;
  CHECK(install.startRemove(second, {"/S"}));
  CHECK_EQ(second.waitForExit(), 1);  // one Remove at a time
  e2e::pressButton(question, IDYES);

  HWND running = nullptr;
  e2e::waitFor([&] { return (running = e2e::anyProcessMessageBox("Remove", "is running")) != nullptr; }, "Verbolt in use");
  CHECK_EQ(e2e::messageBoxText(running),
           "Verbolt.exe is running. Close it and choose Retry, or choose Cancel to remove it when the computer restarts.");
  CHECK_EQ(verbolt.program.close(verbolt.main), 0);
  e2e::pressButton(running, IDRETRY);
  HWND done = nullptr;
  e2e::waitFor([&] { return (done = e2e::anyProcessMessageBox("Remove", "was removed")) != nullptr; }, "the final message");
  CHECK_EQ(e2e::messageBoxText(done),
           "Remove test 1.0 was removed from this computer, except for what is listed below.\n\n"
           "Removed: files 3, folders 1, shortcuts 0, registry entries 0.\n\n"
           "Removed when the computer restarts:\n    " + held + "\n    " + install.path("Samples") + "\n    " +
               install.folder);
  e2e::pressButton(done, IDOK);
  CHECK_EQ(remove.waitForExit(kRemoveTimeout), 3010);
  CHECK(!endedCopy(copies).empty());
  CHECK(waitsForRestart(held) && waitsForRestart(install.path("Samples")) && waitsForRestart(install.folder));
  CHECK(!exists(install.path("Verbolt.exe")) && !exists(install.path("Remove.exe")) && !exists(install.group));
  CloseHandle(holder);
}

WINE_TEST(removeRefusesWhatAnEditedLogNamesWronglyNeverEntersALinkAndKeepsAnAssociationTakenOver) {
  Installation install("edited");
  CHECK(install.run(install.parse("[MAIN]\nPROGRAM=Remove test 1.0\nFILE=REMOVE.EXE,%d\\Remove.exe\n"
                                  "DIRECTORY=%d\\Samples\nFILE=NONE.WDL,%d\\Samples\\a.wdl\nREG=HKCR,.wdl\n"
                                  "REG=HKCR,.wdl,,\"Verbolt.WDL\"\nREG=HKCR,Verbolt.WDL\n")));
  SHSetValueA(HKEY_CLASSES_ROOT, ".wdl", "", REG_SZ, "Other.WDL", 10);
  // Samples becomes a link to a folder of the learner's, a logged file a
  // link to a file of the learner's, and a shortcut on the desktop that
  // starts another program is named too.
  const std::string outside = install.area + "\\Outside", samples = install.path("Samples");
  const std::string linkFile = install.path("linkfile.txt"), victim = outside + "\\v12.txt";
  const std::string otherShortcut = install.environment.desktop + "\\remove e2e other.lnk";
  e2e::makeEmptyFolder(outside);
  e2e::writeFileBytes(outside + "\\a.wdl", "the learner's");
  e2e::writeFileBytes(victim, "victim");
  DeleteFileA((samples + "\\a.wdl").c_str());
  RemoveDirectoryA(samples.c_str());
  CHECK(makeLink(samples, outside));
  CHECK(makeLink(linkFile, victim));
  CHECK(e2e::saveShortcut(otherShortcut, "C:\\windows\\notepad.exe"));
  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string systemFile = std::string(system) + "\\remove-e2e.dll", rooted = "C:\\remove-e2e.txt";
  e2e::writeFileBytes(systemFile, "system");
  e2e::writeFileBytes(rooted, "rooted");
  e2e::writeFileBytes(install.path("Install.log"), install.log() + "FILE=" + systemFile + "\nFILE=\\remove-e2e.txt\n" +
                                                    "FILE=remove-e2e.txt\nUNKNOWN=1\nFILE=" + linkFile + "\nICON=" +
                                                    otherShortcut + "\n");

  std::set<std::string> copies = removeCopies();
  e2e::TargetProgram remove;
  CHECK(install.startRemove(remove, {}));
  e2e::pressButton(remove.waitForDialog(), IDYES);
  HWND done = nullptr;
  e2e::waitFor([&] { return (done = e2e::anyProcessMessageBox("Remove", "was removed")) != nullptr; }, "the final message");
  std::string message = e2e::messageBoxText(done);
  for (const std::string& part : std::vector<std::string>{
           "Removed: files 2, folders 1, shortcuts 0, registry entries 1.\n\nKept:\n    " + otherShortcut +
               " (a shortcut to something outside the installation folder)\n    " + linkFile +
               " (a junction or symbolic link)\n",
           "\n    HKCR\\.wdl \"\" (names another program now)\n"
           "    HKCR\\.wdl (holds what the installation did not make)\n    " + samples +
               " (a junction or symbolic link)\n    " + install.folder +
               " (holds what the installation did not make)\n\nNot removed:\n",
           "\n    line 12: FILE=" + systemFile + " (in the Windows or system folder)",
           "\n    line 13: FILE=\\remove-e2e.txt (not a full path)", "\n    line 14: FILE=remove-e2e.txt (not a full path)",
           "\n    line 15: UNKNOWN=1 (not understood)",
           "\n    line 8: " + samples + "\\a.wdl (inside a junction or symbolic link)"})
    if (message.find(part) == std::string::npos) winetest::fail(__FILE__, __LINE__, part + " not in " + message);
  e2e::pressButton(done, IDOK);
  CHECK_EQ(remove.waitForExit(kRemoveTimeout), 1);
  CHECK(!endedCopy(copies).empty());
  CHECK_EQ(e2e::readFileBytes(outside + "\\a.wdl"), "the learner's");
  CHECK_EQ(e2e::readFileBytes(victim), "victim");
  CHECK(exists(systemFile) && exists(rooted) && exists(otherShortcut));
  CHECK(!exists(install.path("Remove.exe")) && !exists(install.path("Install.log")));
  CHECK_EQ(registryText(HKEY_CLASSES_ROOT, ".wdl", ""), "Other.WDL");
  CHECK(!keyExists(HKEY_CLASSES_ROOT, "Verbolt.WDL"));
  DeleteFileA(systemFile.c_str());
  DeleteFileA(rooted.c_str());
  DeleteFileA(otherShortcut.c_str());
}

// The installer takes destinations whose files' paths reach 260 characters
// and more; the uninstaller removes all of it.
WINE_TEST(removeTakesPathsLongerThanTheClassicLimit) {
  const size_t kAround = temporaryFolder().size() + std::string("\\remove e2e\\\\Verbolt'97").size();
  Installation install(std::string(239 - kAround, 'x'));
  CHECK_EQ(install.folder.size(), 239u);
  CHECK(install.run(install.parse(deliveredScript())));
  size_t longest = 0;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(install.path("Samples\\*.wdl").c_str(), &found);
  for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found))
    longest = std::max(longest, install.path("Samples\\").size() + std::strlen(found.cFileName));
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  CHECK(longest >= MAX_PATH);
  std::set<std::string> copies = removeCopies();
  e2e::TargetProgram remove;
  CHECK(install.startRemove(remove, {"/S"}));
  CHECK_EQ(remove.waitForExit(kRemoveTimeout), 0);
  CHECK(!endedCopy(copies).empty());
  CHECK(!exists(install.folder));
}

WINE_TEST(removeNeedsItsLogAndWorksOnTheLogOfAnInstallationStoppedPartWay) {
  Installation install("part way");
  CHECK(!install.run(install.parse(deliveredScript()), 3));
  CHECK(exists(install.path("Remove.exe")) && !exists(install.path("Verbolt.exe")));
  const std::string log = install.path("Install.log"), away = log + ".away";
  MoveFileA(log.c_str(), away.c_str());
  std::set<std::string> copies = removeCopies();
  e2e::TargetProgram remove;
  CHECK(install.startRemove(remove, {"/S"}));
  CHECK_EQ(remove.waitForExit(kRemoveTimeout), 1);
  CHECK(install.startRemove(remove, {}));
  HWND missing = remove.waitForDialog();
  CHECK_EQ(e2e::messageBoxText(missing), "Remove cannot find or read the install log '" + log + "'. Nothing was removed.");
  e2e::pressButton(missing, IDOK);
  CHECK_EQ(remove.waitForExit(), 1);
  CHECK(removeCopies() == copies);
  CHECK(exists(install.path("Remove.exe")) && exists(install.path("Right.wav")));

  // A log whose PATH names another folder than its own is damaged: nothing
  // it names is touched.
  MoveFileA(away.c_str(), log.c_str());
  const std::string real = install.log(), victim = install.area + "\\victim.txt";
  const size_t pathLine = real.find("PATH="), pathEnd = real.find('\n', pathLine);
  e2e::writeFileBytes(victim, "must survive");
  e2e::writeFileBytes(log, real.substr(0, pathLine) + "PATH=" + install.area + real.substr(pathEnd) + "FILE=" + victim + "\n");
  CHECK(install.startRemove(remove, {}));
  HWND damaged = remove.waitForDialog();
  CHECK_EQ(e2e::messageBoxText(damaged), "The install log '" + log + "' is damaged: line 3: PATH=" + install.area +
                                             " (names another folder than the one that holds the log). Nothing was removed.");
  e2e::pressButton(damaged, IDOK);
  CHECK_EQ(remove.waitForExit(), 1);
  CHECK(install.startRemove(remove, {"/S"}));
  CHECK_EQ(remove.waitForExit(kRemoveTimeout), 1);
  CHECK(exists(victim) && exists(install.path("Remove.exe")) && exists(install.path("Right.wav")));
  DeleteFileA(victim.c_str());

  e2e::writeFileBytes(log, real);
  CHECK(install.startRemove(remove, {"/S"}));
  CHECK_EQ(remove.waitForExit(kRemoveTimeout), 0);
  CHECK(!endedCopy(copies).empty());
  CHECK(!exists(install.folder) && !exists(install.group));
}
