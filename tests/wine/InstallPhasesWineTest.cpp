// The install phases against the system's files, registry, shell links and
// processes. Each test installs into a destination folder of its own and
// writes only under a registry key of its own in the current user's hive;
// both are removed before and after it.
#include "framework/win/AppThread.h"
#include "installer/phases/FilePhase.h"
#include "installer/phases/InstallRun.h"
#include "installer/phases/InstallUser.h"
#include "installer/phases/ModulePayloads.h"
#include "installer/phases/RegistryPhase.h"
#include "installer/phases/RunPhase.h"
#include "installer/phases/ShortcutPhase.h"
#include "installer/phases/Win32SetupEnvironment.h"
#include "installer/script/InstallLogText.h"
#include "installer/script/SetupScript.h"
#include "tests/e2e/SystemTraces.h"
#include "tests/e2e/Wait.h"
#include "tests/wine/WineTest.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using e2e::clearPendingMoves;
using e2e::linkTarget;
using e2e::lowered;
using e2e::pendingMoves;

namespace {

const char kTestKey[] = "Software\\Quorvel\\Install phases test";
const ULONGLONG kStamp = 0x01BE473ABBF4A400ull;  // 24 January 1999, 01:42:00, local time

std::string readFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

void writeFile(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  CHECK(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
  CloseHandle(file);
}

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void removeTree(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
  for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found)) {
    std::string name = found.cFileName, path = folder + "\\" + name;
    if (name == "." || name == "..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) removeTree(path);
    else DeleteFileA(path.c_str());
  }
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  RemoveDirectoryA(folder.c_str());
}

std::string besideTest(const char* name) {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

std::string payload(const char* name) {
  DWORD size = 0;
  const void* bytes = ModulePayloads(GetModuleHandleA(nullptr)).payloadBytes(name, &size);
  return std::string(static_cast<const char*>(bytes), size);
}

// A file's creation or last-write time as a local file time.
ULONGLONG localFileTime(const std::string& path, bool creation) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  FILETIME local = {};
  GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
  FileTimeToLocalFileTime(creation ? &data.ftCreationTime : &data.ftLastWriteTime, &local);
  return (static_cast<ULONGLONG>(local.dwHighDateTime) << 32) | local.dwLowDateTime;
}

std::string registryValue(const char* name, DWORD* type = nullptr) {
  char buffer[256];
  DWORD size = sizeof buffer;
  if (SHGetValueA(HKEY_CURRENT_USER, kTestKey, name, type, buffer, &size) != ERROR_SUCCESS) return "<missing>";
  return std::string(buffer, size);
}

struct Question {
  std::string text, caption;
  UINT style;
};

// Answers the phases' questions from a list and records what they tell.
class ScriptedUser : public InstallUser {
 public:
  void showPhase(const char* text) override { phases.push_back(text); }
  void showStatus(const char* text) override { statuses.push_back(text); }
  void setProgressRange(int count) override { range = count; }
  void stepProgress() override { ++steps; }
  int ask(const char* text, const char* caption, UINT style) override {
    questions.push_back({text, caption, style});
    if (beforeAnswer) beforeAnswer();
    if (answers.empty()) {
      winetest::fail(__FILE__, __LINE__, std::string("unexpected question: ") + text);
      return IDCANCEL;
    }
    int answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  HWND owner() override { return nullptr; }
  bool stopRequested() override { return stopAfter >= 0 && stopChecks++ >= stopAfter; }

  std::vector<int> answers;
  std::function<void()> beforeAnswer;
  std::vector<Question> questions;
  std::vector<std::string> phases, statuses;
  int range = 0, steps = 0;
  int stopAfter = -1, stopChecks = 0;  // stop at that check, -1 never
};

class TestEnvironment : public Win32SetupEnvironment {
 public:
  CText desktopFolder() override { return desktop.c_str(); }
  std::string desktop;
};

// A destination folder of the test's own with a Desktop folder in it, the
// registry key, and the script of the installation run there.
class Installation {
 public:
  explicit Installation(const char* name) : payloads(GetModuleHandleA(nullptr)) {
    char temporary[MAX_PATH];
    GetTempPathA(MAX_PATH, temporary);
    folder = std::string(temporary) + "phases-" + name;
    clean();
    CreateDirectoryA(folder.c_str(), nullptr);
    environment.desktop = path("Desktop");
    CreateDirectoryA(environment.desktop.c_str(), nullptr);
  }
  ~Installation() {
    script.reset();
    clean();
  }

  // A fresh script and user for one installation into the folder; the
  // program group is "Group" in it.
  SetupScript& parse(const std::string& text) {
    script.reset();
    script.reset(new SetupScript(environment, payloads));
    script->parse(text.data(), static_cast<unsigned>(text.size()));
    script->destination = folder.c_str();
    script->iconFolder = (path("Group") + "\\").c_str();
    user = ScriptedUser();
    return *script;
  }
  std::string path(const std::string& name) const { return folder + "\\" + name; }
  std::string log() const { return readFile(path("Install.log")); }
  std::string logHead() const { return "[INSTALL]\nTITLE=Phases 1.0\nPATH=" + folder + "\n"; }

  std::string folder;
  TestEnvironment environment;
  ModulePayloads payloads;
  std::unique_ptr<SetupScript> script;
  ScriptedUser user;

 private:
  void clean() {
    removeTree(folder);
    SHDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
  }
};

}  // namespace

WINE_TEST(filePhaseInstallsThenReinstallsOverTheFirstInstallation) {
  Installation install("files");
  const char* text =
      "[MAIN]\nPROGRAM=Phases 1.0\nDIRECTORY=%d\\Sub\nFILE=README.TXT,%d\\Sub\\ReadMe.txt\n"
      "FILE=LIBRARY.DLL,%d\\lib.dll,4.71.0.0\nFILE=NOTHING.TXT,%d\\empty.txt\nFILE=README.TXT,%i\\nowhere.txt\n"
      "SELECTION=OFF\n[OFF]\nFILE=README.TXT,%d\\off.txt\n";
  // The component is not chosen, and "%i" gives nothing, so that entry must
  // not be written anywhere.
  auto parse = [&]() -> SetupScript& {
    SetupScript& script = install.parse(text);
    script.selections[0].state = Selection::kNotChosen;
    CHECK(script.startLog());
    script.iconFolder = "";
    return script;
  };
  SetupScript& first = parse();
  CHECK(FilePhase(first, install.payloads, install.user).run());
  first.log.close();
  CHECK_EQ(readFile(install.path("Sub\\ReadMe.txt")), payload("README.TXT"));
  CHECK_EQ(readFile(install.path("lib.dll")), payload("LIBRARY.DLL"));  // nothing there: written directly
  CHECK(!exists(install.path("lib.new")));
  CHECK_EQ(readFile(install.path("empty.txt")), std::string());
  CHECK(!exists(install.path("off.txt")) && !exists("\\nowhere.txt") && !exists("nowhere.txt"));
  CHECK_EQ(localFileTime(install.path("Sub\\ReadMe.txt"), true), kStamp);
  CHECK_EQ(localFileTime(install.path("Sub\\ReadMe.txt"), false), kStamp);
  CHECK_EQ(first.restartFlag, 0);
  CHECK_EQ(install.user.steps, 5);
  CHECK_EQ(install.user.statuses.size(), 5u);
  CHECK_EQ(install.user.statuses[0], "Creating directory '" + install.path("Sub") + "'...");
  CHECK_EQ(install.user.statuses[1], install.path("Sub\\ReadMe.txt"));
  const std::string body = "DIRECTORY=" + install.path("Sub") + "\nFILE=" + install.path("Sub\\ReadMe.txt") + "\n";
  const std::string libraryLine = "FILE=" + install.path("lib.dll") + "\n";
  const std::string emptyLine = "FILE=" + install.path("empty.txt") + "\n";
  CHECK_EQ(install.log(), install.logHead() + body + libraryLine + emptyLine);

  // Again over it: a plain file is overwritten without a question; a newer
  // library is kept when the user says No, and its log line is carried over.
  writeFile(install.path("Sub\\ReadMe.txt"), "changed by the user");
  std::string library = readFile(besideTest("versioned.dll"));
  writeFile(install.path("lib.dll"), library);
  SetupScript& second = parse();
  install.user.answers = {IDNO};
  CHECK(FilePhase(second, install.payloads, install.user).run());
  second.log.close();
  CHECK_EQ(readFile(install.path("Sub\\ReadMe.txt")), payload("README.TXT"));
  CHECK_EQ(readFile(install.path("lib.dll")), library);
  CHECK_EQ(install.user.questions.size(), 1u);
  CHECK_EQ(install.log(), install.logHead() + libraryLine + body + emptyLine);
}

WINE_TEST(filePhaseAsksBeforeReplacingANewerLibrary) {
  Installation install("versions");
  std::string library = readFile(besideTest("versioned.dll"));
  for (const char* name : {"keep.dll", "replace.dll", "lacking.dll", "older.dll"}) writeFile(install.path(name), library);
  SetupScript& script = install.parse(
      "[MAIN]\nFILE=LIBRARY.DLL,%d\\keep.dll,4.71.0.0,PhasesProbe\nFILE=LIBRARY.DLL,%d\\replace.dll,5.80\n"
      "FILE=LIBRARY.DLL,%d\\lacking.dll,,PhasesProbe NoSuchExport\nFILE=LIBRARY.DLL,%d\\older.dll,5.81\n");
  install.user.answers = {IDNO, IDYES};
  CHECK(FilePhase(script, install.payloads, install.user).run());
  CHECK_EQ(install.user.questions.size(), 2u);
  const Question& question = install.user.questions[0];
  CHECK_EQ(question.text, "File '" + install.path("keep.dll") +
                              "' exist in system and it is newer than file that will be installed. It is recommed to "
                              "keep file. If you copy file, setup will create backup from old file. Copy file?");
  CHECK_EQ(question.caption, "Copying files...");
  CHECK_EQ(question.style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2));
  CHECK_EQ(readFile(install.path("keep.dll")), library);
  CHECK_EQ(readFile(install.path("replace.dll")), payload("LIBRARY.DLL"));
  CHECK_EQ(readFile(install.path("replace.bak")), library);
  CHECK_EQ(readFile(install.path("lacking.dll")), payload("LIBRARY.DLL"));
  CHECK_EQ(readFile(install.path("older.dll")), payload("LIBRARY.DLL"));
  CHECK(!exists(install.path("lacking.bak")) && !exists(install.path("older.bak")));
  CHECK_EQ(script.restartFlag, 0);
}

WINE_TEST(filePhaseReplacesAFileInUseAtTheNextRestart) {
  Installation install("held");
  clearPendingMoves();
  std::string held = install.path("held.txt");
  writeFile(held, "in use");
  HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  SetupScript& script = install.parse(
      "[MAIN]\nPROGRAM=Phases 1.0\nFILE=README.TXT,%d\\held.txt,1.0\nIF RESTART==TRUE,AFTER\n"
      "[AFTER]\nFILE=README.TXT,%d\\after.txt\n");
  CHECK(script.startLog());
  CHECK(FilePhase(script, install.payloads, install.user).run());
  script.log.close();
  CloseHandle(holder);
  CHECK_EQ(script.restartFlag, 1);
  CHECK_EQ(readFile(held), "in use");
  CHECK_EQ(readFile(install.path("held.new")), payload("README.TXT"));
  CHECK_EQ(readFile(install.path("held.bak")), "in use");
  CHECK(exists(install.path("after.txt")));  // the block saw the restart flag
  std::string move = "\\??\\" + std::string(shortPathName(install.path("held.new").c_str()).c_str()) + "|!\\??\\" +
                     shortPathName(held.c_str()).c_str() + "|";
  CHECK(pendingMoves().find(lowered(move)) != std::string::npos);
  clearPendingMoves();
  CHECK_EQ(install.log(), install.logHead() + "FILE=" + install.path("held.new") + "\nFILE=" +
                              install.path("after.txt") + "\n");
}

// Bytes that cannot be read, so that every write of them fails.
class UnreadablePayloads : public PayloadSource {
 public:
  UnreadablePayloads() : bytes_(VirtualAlloc(nullptr, 65536, MEM_RESERVE, PAGE_NOACCESS)) {}
  ~UnreadablePayloads() override { VirtualFree(bytes_, 0, MEM_RELEASE); }
  long payloadSize(const char*) const override { return 65536; }
  const void* payloadBytes(const char*, DWORD* size) const override {
    *size = 65536;
    return bytes_;
  }
  bool payloadStamp(const char*, FILETIME*) const override { return false; }

 private:
  void* bytes_;
};

WINE_TEST(filePhaseAsksAbortRetryIgnoreWhenAFileCannotBeWritten) {
  Installation install("failures");
  std::string busy = install.path("busy.txt");
  writeFile(busy, "busy");
  HANDLE holder = CreateFileA(busy.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  SetupScript& script = install.parse(
      "[MAIN]\nPROGRAM=Phases 1.0\nFILE=README.TXT,%d\\busy.txt\nFILE=README.TXT,%d\\Missing\\a.txt\n"
      "FILE=README.TXT,%d\\b.txt\nFILE=README.TXT,%d\\Missing\\c.txt\nFILE=README.TXT,%d\\d.txt\n");
  install.user.beforeAnswer = [&] {
    if (holder) CloseHandle(holder);
    holder = nullptr;
  };
  install.user.answers = {IDRETRY, IDIGNORE, IDABORT};
  CHECK(script.startLog());
  CHECK(!FilePhase(script, install.payloads, install.user).run());
  script.log.close();
  CHECK_EQ(install.user.questions.size(), 3u);
  CHECK_EQ(install.user.questions[1].text, "Cannot copy file '" + install.path("Missing\\a.txt") +
                                               "'. Disk may be full or file may be in use.");
  CHECK_EQ(install.user.questions[1].caption, "Error");
  CHECK_EQ(install.user.questions[1].style, static_cast<UINT>(MB_ABORTRETRYIGNORE));
  CHECK_EQ(readFile(busy), payload("README.TXT"));
  CHECK(!exists(install.path("d.txt")));
  CHECK_EQ(install.user.steps, 4);
  CHECK_EQ(install.log(), install.logHead() + "FILE=" + busy + "\nFILE=" + install.path("b.txt") + "\n");

  // A write that fails and is ignored leaves neither the file nor a log line.
  SetupScript& broken = install.parse("[MAIN]\nPROGRAM=Phases 1.0\nFILE=README.TXT,%d\\broken.txt\n");
  install.user.answers = {IDIGNORE};
  CHECK(broken.startLog());
  CHECK(FilePhase(broken, UnreadablePayloads(), install.user).run());
  broken.log.close();
  CHECK_EQ(install.user.questions.size(), 1u);
  CHECK(!exists(install.path("broken.txt")));
  CHECK_EQ(install.log(), install.logHead() + "FILE=" + busy + "\nFILE=" + install.path("b.txt") + "\n");
}

WINE_TEST(registryPhaseSetsKeepsAndDeletesValuesAndLogsThem) {
  Installation install("registry");
  SHSetValueA(HKEY_CURRENT_USER, kTestKey, "Kept", REG_SZ, "old", 4);
  SHSetValueA(HKEY_CURRENT_USER, kTestKey, "Gone", REG_SZ, "x", 2);
  const std::string key = std::string("HKCU,") + kTestKey;
  SetupScript& script = install.parse(
      "[MAIN]\nPROGRAM=Phases 1.0\nREG=" + key + "\nREG=" + key + "\\Sub\nREG=" + key + ",Path,\"%d\\\\file\"\n" +
      "REG=" + key + ",Text,\"x,y \\\"q\\\"\"\nREG=" + key + ",Empty\nREG=" + key + ",,\"default\"\n" +
      "REG=" + key + ",Count,dword:1f\nREG=" + key + ",Bin,hex:00 01 ff\nREG=" + key + ",Kept,\"new\",nochange\n" +
      "REG=" + key + ",Fresh,\"made\",NOCHANGE\nREG=" + key + ",Gone,,delete\nREG=" + key + ",Group,\"%i\\\\x\"\n" +
      "REG=HKXX,Software\\Quorvel\\Install phases test\\Nowhere\n");
  script.iconFolder = "";
  CHECK(script.startLog());
  CHECK(RegistryPhase(script, install.user).run());
  script.log.close();
  DWORD type = 0;
  CHECK_EQ(registryValue("Path", &type), install.path("file") + '\0');
  CHECK_EQ(type, static_cast<DWORD>(REG_SZ));
  CHECK_EQ(registryValue("Text"), std::string("x,y \"q\"", 8));
  CHECK_EQ(registryValue("Empty"), std::string(1, '\0'));
  CHECK_EQ(registryValue(""), std::string("default", 8));
  CHECK_EQ(registryValue("Count", &type), std::string("\x1f\0\0\0", 4));
  CHECK_EQ(type, static_cast<DWORD>(REG_DWORD));
  CHECK_EQ(registryValue("Bin", &type), std::string("\x00\x01\xff", 3));
  CHECK_EQ(type, static_cast<DWORD>(REG_BINARY));
  CHECK_EQ(registryValue("Kept"), std::string("old", 4));
  CHECK_EQ(registryValue("Fresh"), std::string("made", 5));
  CHECK_EQ(registryValue("Gone"), "<missing>");
  CHECK_EQ(registryValue("Group"), "<missing>");
  CHECK_EQ(install.user.steps, 1);
  const std::string line = "REG=" + key;
  CHECK_EQ(install.log(), install.logHead() + line + "\n" + line + "\\Sub\n" + line + ",\"Path\"\n" + line +
                              ",\"Text\"\n" + line + ",\"Empty\"\n" + line + ",\"\"\n" + line + ",\"Count\"\n" + line +
                              ",\"Bin\"\n" + line + ",\"Fresh\"\n");
}

WINE_TEST(shortcutPhaseMakesTheGroupAndLinksThatPointAtTheirTargets) {
  Installation install("shortcuts");
  std::string program = install.path("App.exe"), readMe = install.path("ReadMe.txt");
  writeFile(program, "program");
  writeFile(readMe, "text");
  const char* text =
      "[MAIN]\nPROGRAM=Phases 1.0\nICON=%i\\App.lnk,%d\\App.exe\nICON=%i\\Sub\\Deep\\Read.lnk,%d\\ReadMe.txt\n"
      "CHECK=DESK,Desktop\nIF DESK==TRUE,DESKTOP\n[DESKTOP]\nICON=%t\\App.lnk,%d\\App.exe\n";
  SetupScript& script = install.parse(text);
  CHECK(script.startLog());
  CHECK(ShortcutPhase(script, install.user).run());
  script.log.close();
  std::string workingFolder;
  CHECK_EQ(linkTarget(install.path("Group\\App.lnk"), &workingFolder), program);
  CHECK_EQ(workingFolder, install.folder);
  CHECK_EQ(linkTarget(install.path("Group\\Sub\\Deep\\Read.lnk")), readMe);
  CHECK_EQ(linkTarget(install.path("Desktop\\App.lnk")), program);
  CHECK_EQ(install.user.steps, 2);
  CHECK_EQ(install.log(), install.logHead() + "ICON=" + install.path("Group\\App.lnk") + "\nICON=" +
                              install.path("Group\\Sub\\Deep\\Read.lnk") + "\nICON=" + install.path("Desktop\\App.lnk") +
                              "\n");

  // Without a program group nothing is made, not even on the desktop.
  DeleteFileA(install.path("Desktop\\App.lnk").c_str());
  SetupScript& groupless = install.parse(text);
  groupless.iconFolder = "";
  CHECK(ShortcutPhase(groupless, install.user).run());
  CHECK(!exists(install.path("Desktop\\App.lnk")));
  CHECK_EQ(install.user.steps, 0);
}

WINE_TEST(runPhaseCarriesOutEachCommandAndStopsAtAFailedCopy) {
  Installation install("run");
  writeFile(install.path("open.bat"), "echo opened>\"%~dp0opened.txt\"\r\n");
  SetupScript& script = install.parse(
      "[MAIN]\nRUN=msgbox(\"Setup done\",\"Title\")\nRUN=msgbox(DESTINATIONPATH)\n"
      "RUN=exec(\"cmd /c echo ran>%d\\\\exec.txt\",HIDE,TRUE)\nRUN=mkdir(\"%d\\\\made\")\nRUN=mkdir(\"%d\\\\gone\")\n"
      "RUN=rmdir(\"%d\\\\gone\")\nRUN=copy(\"README.TXT\",\"%d\\\\Copy.txt\")\nRUN=copy(\"README.TXT\",\"%d\\\\Old.txt\")\n"
      "RUN=erase(\"%d\\\\Old.txt\")\nRUN=mkdir(\"%i\\\\made-nowhere\")\nRUN=%d\\open.bat\n"
      "RUN=copy(\"NOTHING.TXT\",\"%d\\\\nothing.txt\")\nRUN=msgbox(\"never shown\")\n");
  script.iconFolder = "";
  install.user.answers = {IDOK, IDOK};
  CHECK(RunPhase(script, install.payloads, install.user).run());
  CHECK_EQ(install.user.questions.size(), 2u);
  if (install.user.questions.size() == 2) {
    CHECK_EQ(install.user.questions[0].text, "Setup done");
    CHECK_EQ(install.user.questions[0].caption, "Title");
    CHECK_EQ(install.user.questions[1].text, install.folder);
    CHECK_EQ(install.user.questions[1].caption, "Install");
    CHECK_EQ(install.user.questions[1].style, static_cast<UINT>(MB_OK));
  }
  CHECK(exists(install.path("exec.txt")));  // waited for
  CHECK(exists(install.path("made")) && !exists(install.path("gone")) && !exists("\\made-nowhere"));
  CHECK_EQ(readFile(install.path("Copy.txt")), payload("README.TXT"));
  CHECK_EQ(localFileTime(install.path("Copy.txt"), false), kStamp);
  CHECK(!exists(install.path("Old.txt")));
  CHECK_EQ(readFile(install.path("nothing.txt")), std::string());
  CHECK(e2e::waitFor([&] { return exists(install.path("opened.txt")); }, "the batch file opened by the shell"));
}

// Runs an installation on a worker thread, as the installing dialog does.
class RunWorker : public CAppThread {
 public:
  explicit RunWorker(InstallRun& run) : run_(run) {}
  int instanceInit() override {
    complete = run_.run();
    return 0;
  }
  bool complete = false;

 private:
  InstallRun& run_;
};

bool runOnWorker(InstallRun& run) {
  RunWorker worker(run);
  CHECK(worker.start());
  CHECK_EQ(WaitForSingleObject(worker.threadHandle, 60000), static_cast<DWORD>(WAIT_OBJECT_0));
  return worker.complete;
}

WINE_TEST(installRunWritesTheWholeLogInTheOrderOfThePhases) {
  Installation install("whole");
  const std::string text = std::string(
                               "[MAIN]\nPROGRAM=Phases 1.0\nFILE=README.TXT,%d\\ReadMe.txt\nREG=HKCU,") +
                           kTestKey + "\nSELECTION=APP\nCHECK=DESK,Desktop\nIF DESK==TRUE,DESKTOP\n" +
                           "[APP]\nDIRECTORY=%d\\Samples\nFILE=LIBRARY.DLL,%d\\Samples\\lib.dll\n" +
                           "ICON=%i\\Read.lnk,%d\\ReadMe.txt\nREG=HKCU," + kTestKey + ",Path,\"%d\"\n" +
                           "[DESKTOP]\nICON=%t\\Read.lnk,%d\\ReadMe.txt\n";
  SetupScript& script = install.parse(text);
  CHECK(script.startLog());
  script.log.write(InstallLogText::iconGroup("Group"));
  script.log.write(InstallLogText::iconUserGroup(true));
  InstallRun run(script, install.payloads, install.user);
  CHECK(runOnWorker(run));
  CHECK_EQ(script.restartFlag, 10);
  CHECK(!script.log.isOpen());
  std::string phases;
  for (const std::string& phase : install.user.phases) phases += phase + "|";
  CHECK_EQ(phases, "Initiliazing...|Copying files...|Updating registry...|Creating icons...|Executing...|");
  CHECK_EQ(install.user.range, 8);
  CHECK_EQ(install.user.steps, 8);
  CHECK_EQ(linkTarget(install.path("Desktop\\Read.lnk")), install.path("ReadMe.txt"));
  const std::string reg = std::string("REG=HKCU,") + kTestKey;
  CHECK_EQ(install.log(), install.logHead() + "ICONGROUP=Group\nICONUSERGROUP=YES\nFILE=" + install.path("ReadMe.txt") +
                              "\nDIRECTORY=" + install.path("Samples") + "\nFILE=" + install.path("Samples\\lib.dll") +
                              "\n" + reg + "\n" + reg + ",\"Path\"\nICON=" + install.path("Group\\Read.lnk") +
                              "\nICON=" + install.path("Desktop\\Read.lnk") + "\n");

  // A stop requested at a safe point ends the run before the next entry.
  removeTree(install.path("Samples"));
  SetupScript& stopped = install.parse(text);
  install.user.stopAfter = 1;
  InstallRun stoppedRun(stopped, install.payloads, install.user);
  CHECK(!runOnWorker(stoppedRun));
  CHECK_EQ(stopped.restartFlag, 0);
  CHECK_EQ(install.user.phases.size(), 2u);
  CHECK(!exists(install.path("Samples\\lib.dll")));
}
