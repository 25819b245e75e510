// End-to-end tests of Install.exe and of the installer probe, a build of
// Install.exe with a script of its own (tests/e2e/install/Probe.ins). The
// build runs each test (one scenario, named on the command line) in a Wine
// prefix of its own (tests/wine/fresh-prefix.sh), so that the installations
// change nothing that other tests see.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "installer/phases/InstallResourceIds.h"
#include "tests/e2e/SystemTraces.h"
#include "tests/e2e/TargetProgram.h"
#include "tests/e2e/UnixCommand.h"
#include "tests/e2e/WindowAccess.h"
#include "tests/e2e/WindowCapture.h"
#include "tests/wine/WineTest.h"

using namespace e2e;

namespace {

const char kWork[] = "C:\\install-e2e";
const ULONGLONG kStamp = 0x01BE473ABBF4A400ull;  // 24 January 1999, 01:42:00, local time
const char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Verbolt'97";
const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kSessionManager[] = "System\\CurrentControlSet\\Control\\Session Manager";
const char kQuitQuestion[] =
    "Setup is not complete. If you quit the Setup program now,\nthe program will not be installed.\n\nQuit the Setup "
    "program?";

// The build gives host paths; Wine shows the host's root as Z:.
std::string hostPath(const char* path) {
  std::string windows = std::string("Z:") + path;
  for (char& c : windows)
    if (c == '/') c = '\\';
  return windows;
}

const std::string kInstall = hostPath(INSTALL_EXE), kProbe = hostPath(PROBE_EXE);

std::string programFiles() {
  char buffer[MAX_PATH];
  DWORD size = sizeof buffer;
  SHGetValueA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir", nullptr, buffer,
              &size);
  return buffer;
}

std::string readBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Writes bytes to path and keeps the file open without sharing, as a program
// in use would: the installer can then neither delete nor write it.
HANDLE holdFile(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  return file;
}

ULONGLONG localWriteTime(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  FILETIME local = {};
  GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
  FileTimeToLocalFileTime(&data.ftLastWriteTime, &local);
  return (static_cast<ULONGLONG>(local.dwHighDateTime) << 32) | local.dwLowDateTime;
}

std::string registryText(HKEY root, const std::string& key, const char* name) {
  char buffer[1024];
  DWORD size = sizeof buffer;
  if (SHGetValueA(root, key.c_str(), name, nullptr, buffer, &size) != ERROR_SUCCESS) return "<missing>";
  return std::string(buffer, size > 0 && buffer[size - 1] == '\0' ? size - 1 : size);
}

std::string shellFolder(const char* name, bool common) {
  return registryText(common ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, kShellFolders, name);
}

// The number of the bulk file that a status line names; 99 for another one.
int bulkNumber(const std::string& status) {
  size_t at = status.find("\\Bulk");
  return at == std::string::npos ? 99 : std::atoi(status.c_str() + at + 5);
}

std::string lines(const std::vector<std::string>& all) {
  std::string text;
  for (const std::string& line : all) text += line + "\n";
  return text;
}

// One run of an installer program, driven through its windows.
struct Installer {
  TargetProgram program;

  // arguments: the command line after the program's name, as typed.
  bool start(const std::string& exe, const std::string& arguments = "") {
    return program.startWithCommandLine(exe, arguments, "", kWork);
  }
  // Runs an installation that shows no window and answers its exit code.
  int runSilently(const std::string& exe, const std::string& arguments) {
    if (!start(exe, arguments)) return -1;
    return program.waitForExit(60000);
  }
  HWND window(const std::string& title, const char* className = "#32770", HWND owner = nullptr) {
    WindowQuery query;
    query.title = title;
    query.className = className;
    query.owner = owner;
    return program.waitForWindow(query);
  }
  // The wizard, once it shows the page with that title.
  HWND sheet(const std::string& title) { return window(title); }
  static HWND page(HWND sheet) { return reinterpret_cast<HWND>(sendNumbers(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }
  static void press(HWND sheet, int button) { PostMessageA(sheet, PSM_PRESSBUTTON, button, 0); }
  // Waits for the message box captioned caption, checks its text, presses
  // button and waits for the box to go.
  bool answer(const std::string& caption, const std::string& expected, int button) {
    HWND box = window(caption);
    if (!box) return false;
    CHECK_EQ(messageBoxText(box), expected);
    pressButton(box, button);
    return program.waitForGone(box);
  }
};

bool showsText(HWND control, const std::string& expected) {
  return waitFor([&] { return text(control) == expected; }, "\"" + expected + "\" in a control");
}

// Clicks (or double-clicks) item index of the component list.
void clickItem(HWND list, int index, bool twice = false) {
  LPARAM point = MAKELPARAM(20, index * 13 + 6);
  PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageA(list, WM_LBUTTONUP, 0, point);
  if (!twice) return;
  PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
  PostMessageA(list, WM_LBUTTONUP, 0, point);
}

bool sizeChanges(HWND page, const std::string& before) {
  return waitFor([&] { return text(control(page, IDC_SPACE_REQUIRED)) != before; }, "a new required size");
}

// The destination page's answers: an existing folder typed with a trailing
// backslash is offered for overwriting and kept on No; a missing one is made
// on Yes and removed again on No; a relative path is refused. The folder
// picker's choice replaces the path.
void chooseDestination(Installer& setup, HWND sheet, const std::string& destination) {
  HWND page = Installer::page(sheet);
  CHECK_EQ(text(control(page, IDC_DESTINATION)), programFiles() + "\\Verbolt'97");
  pressButton(page, IDC_BROWSE);
  HWND picker = setup.program.waitForDialog(sheet);
  pressButton(picker, IDOK);
  showsText(control(page, IDC_DESTINATION), shellFolder("Desktop", false));
  CreateDirectoryA("C:\\Existing", nullptr);
  setText(control(page, IDC_DESTINATION), "C:\\Existing\\");
  Installer::press(sheet, PSBTN_NEXT);
  setup.answer("Setup", "Directory 'C:\\Existing\\' exist. Overwrite?", IDNO);
  CHECK(exists("C:\\Existing"));
  setText(control(page, IDC_DESTINATION), "relative\\folder");
  Installer::press(sheet, PSBTN_NEXT);
  setup.answer("Setup", "Path 'relative\\folder' is not valid.", IDOK);
  setText(control(page, IDC_DESTINATION), destination);
  for (int button : {IDNO, IDYES}) {
    Installer::press(sheet, PSBTN_NEXT);
    setup.answer("Setup", "Directory '" + destination + "' doesn't exist. Create directory?", button);
    waitFor([&] { return exists(destination) == (button == IDYES); }, "the new folder made or removed");
  }
}

// The components page: Sample Files toggled off and on again restores the
// required size; its Details dialog lists the nine sample groups, and
// toggling one of them changes the size that it shows.
void checkComponents(Installer& setup) {
  HWND sheet = setup.sheet("Select Components");
  HWND page = Installer::page(sheet), list = control(page, IDC_COMPONENT_LIST);
  CHECK_EQ(sendNumbers(list, LB_GETCOUNT, 0, 0), 3);
  std::string required = text(control(page, IDC_SPACE_REQUIRED));
  clickItem(list, 2);
  waitFor([&] { return IsWindowEnabled(control(page, IDC_DETAILS)) != 0; }, "Details enabled for Sample Files");
  clickItem(list, 2);
  sizeChanges(page, required);
  clickItem(list, 2, true);
  showsText(control(page, IDC_SPACE_REQUIRED), required);
  pressButton(page, IDC_DETAILS);
  HWND details = setup.window("Select Components", "#32770", sheet);
  HWND parts = control(details, IDC_COMPONENT_LIST);
  CHECK_EQ(sendNumbers(parts, LB_GETCOUNT, 0, 0), 9);
  // The parts have no parts of their own: the list grows over the hidden
  // Details button and down to, not over, the caption below it.
  RECT listArea, caption;
  GetWindowRect(parts, &listArea);
  GetWindowRect(descendantWithText(details, "Destination Directory"), &caption);
  CHECK(!IsWindowVisible(control(details, IDC_DETAILS)) && listArea.bottom <= caption.top);
  std::string samples = text(control(details, IDC_SPACE_REQUIRED));
  clickItem(parts, 1, true);
  sizeChanges(details, samples);
  clickItem(parts, 1, true);
  showsText(control(details, IDC_SPACE_REQUIRED), samples);
  pressButton(details, IDC_DETAILS_OK);
  setup.program.waitForGone(details);
  Installer::press(sheet, PSBTN_NEXT);
}

// The gradient's top band is the back colour and its bottom band has
// stepped 127 times towards the fade colour.
void checkBackground(Installer& setup) {
  HWND background = setup.window("Setup", "INSTALLWND");
  waitFor(
      [&] {
        WindowCapture picture(background);
        return picture.pixel(2, 0) == RGB(127, 0, 0) && picture.pixel(2, picture.height() - 1) == RGB(127, 127, 127);
      },
      "the gradient from red 127 to grey 127");
}

// From the destination page, with the folder given (which exists or is
// made), through the components and program-group pages with what they
// offer; answers the wizard on its options page.
HWND wizardToOptions(Installer& setup, const std::string& destination) {
  HWND sheet = setup.sheet("Enter destination path");
  HWND path = control(Installer::page(sheet), IDC_DESTINATION);
  if (text(path) != destination) setText(path, destination);
  bool existed = exists(destination);
  Installer::press(sheet, PSBTN_NEXT);
  setup.answer("Setup",
               "Directory '" + destination + (existed ? "' exist. Overwrite?" : "' doesn't exist. Create directory?"),
               IDYES);
  Installer::press(setup.sheet("Select Components"), PSBTN_NEXT);
  Installer::press(setup.sheet("Select Program Group"), PSBTN_NEXT);
  return setup.sheet("Selections");
}

// Keeps a folder immutable for the host (chattr +i) while it lives, so that
// not even the root user that may run the tests can write into it.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const std::string& folder) : folder_(folder) {
    CreateDirectoryA(folder.c_str(), nullptr);
    CHECK(runUnixCommands("chattr +i '" + unixPath(folder) + "'"));
    HANDLE probe = CreateFileA((folder + "\\probe.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    CHECK(probe == INVALID_HANDLE_VALUE);
    if (probe != INVALID_HANDLE_VALUE) CloseHandle(probe);
  }
  // The test's prefix can be removed only once the folder may change again.
  ~ReadOnlyFolder() { CHECK(runUnixCommands("chattr -i '" + unixPath(folder_) + "'")); }

 private:
  std::string folder_;
};

std::vector<std::string> sampleFiles(const std::string& folder) {
  std::vector<std::string> files;
  for (const char* name : {"Basic1", "Basic2", "English1", "English2", "German1", "German2", "Swedish1", "Swedish2",
                           "French1", "Estonian", "Verbs", "Russian", "Greek"})
    files.push_back("FILE=" + folder + "\\Samples\\" + name + ".wdl");
  return files;
}

}  // namespace

WINE_TEST(wizard) {
  CoInitialize(nullptr);
  const std::string destination = "C:\\Program Files\\Verbolt Test";
  const std::string settings = "Software\\Quorvel\\Verbolt'97\\Settings";
  SHSetValueA(HKEY_CURRENT_USER, settings.c_str(), "PlayFile1", REG_SZ, "mine.wav", 9);
  Installer setup;
  CHECK(setup.start(kInstall));
  checkBackground(setup);
  chooseDestination(setup, setup.sheet("Enter destination path"), destination);
  checkComponents(setup);
  HWND sheet = setup.sheet("Select Program Group");
  HWND page = Installer::page(sheet);
  CHECK_EQ(text(control(page, IDC_GROUP_NAME)), "Verbolt'97");
  CheckRadioButton(page, IDC_USER_GROUP, IDC_COMMON_GROUP, IDC_COMMON_GROUP);
  clickItem(control(page, IDC_GROUP_LIST), 0);  // an existing group of the user
  waitFor([&] { return text(control(page, IDC_GROUP_NAME)) != "Verbolt'97"; }, "the chosen group's name");
  CHECK_EQ(sendNumbers(control(page, IDC_USER_GROUP), BM_GETCHECK, 0, 0), BST_CHECKED);
  setText(control(page, IDC_GROUP_NAME), "Verbolt Test Group");
  Installer::press(sheet, PSBTN_NEXT);
  page = Installer::page(setup.sheet("Selections"));
  CHECK_EQ(text(control(page, 1000)), "Create icons to desktop");
  CHECK_EQ(sendNumbers(control(page, 1000), BM_GETCHECK, 0, 0), BST_CHECKED);
  PostMessageA(control(page, 1001), BM_CLICK, 0, 0);
  waitFor([&] { return sendNumbers(control(page, 1001), BM_GETCHECK, 0, 0) == BST_CHECKED; }, "Kielivisa checked");
  Installer::press(sheet, PSBTN_FINISH);
  setup.answer("Install", "Installation complete.", IDOK);
  CHECK_EQ(setup.program.waitForExit(), 0);

  CHECK_EQ(readBytes(destination + "\\Verbolt.exe"), readBytes(hostPath(VERBOLT_EXE)));
  CHECK_EQ(readBytes(destination + "\\Kielivis.exe"), readBytes(hostPath(KIELIVIS_EXE)));
  CHECK_EQ(readBytes(destination + "\\Samples\\English1.wdl"), readBytes(hostPath(SAMPLE_WDL)));
  CHECK_EQ(readBytes(destination + "\\Lueminut.txt"), readBytes(hostPath(README_FIN)));
  CHECK_EQ(localWriteTime(destination + "\\Right.wav"), kStamp);
  CHECK_EQ(registryText(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"), "\"" + destination + "\\Remove.exe\"");
  CHECK_EQ(registryText(HKEY_CURRENT_USER, settings, "PlayFile1"), "mine.wav");
  CHECK_EQ(registryText(HKEY_CURRENT_USER, settings, "PlayFile2"), destination + "\\Wrong.wav");
  CHECK_EQ(registryText(HKEY_CLASSES_ROOT, ".wdl", nullptr), "Kielivisa.WDL");
  const std::string group = shellFolder("Programs", false) + "\\Verbolt Test Group";
  const std::string desktop = shellFolder("Desktop", false);
  CHECK_EQ(linkTarget(group + "\\Verbolt'97.lnk"), destination + "\\Verbolt.exe");
  CHECK_EQ(linkTarget(desktop + "\\Kielivisa'97.lnk"), destination + "\\Kielivis.exe");
  const std::string uninstall = std::string("REG=HKLM,") + kUninstallKey;
  const std::string verbolt = "REG=HKCU,Software\\Quorvel\\Verbolt'97";
  const std::string kielivisa = "REG=HKCU,Software\\Quorvel\\Kielivisa'97";
  std::vector<std::string> log = {"[INSTALL]", "TITLE=Verbolt'97 1.42b", "PATH=" + destination,
                                  "ICONGROUP=Verbolt Test Group", "ICONUSERGROUP=YES"};
  for (const char* name : {"Remove.exe", "Right.wav", "Wrong.wav", "Verbolt.exe", "ReadMe.txt", "Kielivis.exe",
                           "Lueminut.txt"})
    log.push_back("FILE=" + destination + "\\" + name);
  log.push_back("DIRECTORY=" + destination + "\\Samples");
  for (const std::string& line : sampleFiles(destination)) log.push_back(line);
  log.push_back(uninstall);
  for (const char* value : {"DisplayName", "UninstallString", "QuietUninstallString", "DisplayVersion", "Publisher",
                            "InstallLocation", "DisplayIcon", "EstimatedSize", "InstallDate", "NoModify", "NoRepair"})
    log.push_back(uninstall + ",\"" + value + "\"");
  for (const std::string& line :
       {std::string("REG=HKCU,Software\\Quorvel"), verbolt, verbolt + "\\Settings", verbolt + "\\Settings,\"PlayFile2\"",
        kielivisa, kielivisa + "\\Settings", kielivisa + "\\Settings,\"PlayFile1\"",
        kielivisa + "\\Settings,\"PlayFile2\""})
    log.push_back(line);
  for (const char* key :
       {".wdl", "Kielivisa.WDL", "Kielivisa.WDL\\DefaultIcon", "Kielivisa.WDL\\shell\\open\\command"}) {
    log.push_back(std::string("REG=HKCR,") + key);
    log.push_back(std::string("REG=HKCR,") + key + ",\"\"");
  }
  for (const std::string& link : {group + "\\Verbolt'97.lnk", group + "\\Readme.lnk", desktop + "\\Verbolt'97.lnk",
                                  group + "\\Kielivisa'97.lnk", desktop + "\\Kielivisa'97.lnk"})
    log.push_back("ICON=" + link);
  CHECK_EQ(readBytes(destination + "\\Install.log"), lines(log));
  CoUninitialize();
}

// Cancel during the file phase: No lets the run go on to the end, Yes stops
// it before its next file; the files copied so far stay and the log, with
// their lines, is closed before the final message.
WINE_TEST(cancel) {
  for (int button : {IDNO, IDYES}) {
    winetest::setContext(button == IDYES ? "Yes" : "No");
    const std::string destination = button == IDNO ? programFiles() + "\\Install probe" : "C:\\Probe cancelled";
    Installer setup;
    CHECK(setup.start(kProbe));
    HWND sheet = setup.sheet("Enter destination path");
    setText(control(Installer::page(sheet), IDC_DESTINATION), destination);
    Installer::press(sheet, PSBTN_NEXT);
    setup.answer("Setup", "Directory '" + destination + "' doesn't exist. Create directory?", IDYES);
    Installer::press(setup.sheet("Select Components"), PSBTN_NEXT);
    Installer::press(setup.sheet("Select Program Group"), PSBTN_FINISH);
    HWND installing = setup.window("Installing...");
    waitFor([&] { return bulkNumber(text(control(installing, IDC_INSTALLING_ITEM))) <= 30; }, "bulk files 1 to 30");
    pressButton(installing, IDC_INSTALLING_CANCEL);
    HWND question = setup.window("Exit Setup");
    CHECK_EQ(text(control(installing, IDC_INSTALLING_PHASE)), "Copying files...");
    CHECK_EQ(messageBoxText(question), "Install is not complete. If you quit the Setup program now,\nthe program "
                                       "will not be installed correctly.\n\nQuit the Setup program?");
    pressButton(question, button);
    HWND final = setup.window("Install");
    if (button == IDNO) {
      CHECK_EQ(messageBoxText(final), "Installation complete.");
      CHECK(exists(destination + "\\Bulk40.bin"));
    } else {
      CHECK_EQ(messageBoxText(final), "Installation aborted.");
      HANDLE log = CreateFileA((destination + "\\Install.log").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                               nullptr);
      CHECK(log != INVALID_HANDLE_VALUE);  // closed by the installer
      CloseHandle(log);
      std::string written = readBytes(destination + "\\Install.log");
      int copied = 0;
      auto bulk = [&](int n) { return destination + "\\Bulk" + (n < 10 ? "0" : "") + std::to_string(n) + ".bin"; };
      while (copied < 40 && exists(bulk(copied + 1))) ++copied;
      CHECK(copied > 0 && copied < 40);
      CHECK(written.find("FILE=" + bulk(copied) + "\n") != std::string::npos);
      CHECK(written.find(bulk(copied + 1)) == std::string::npos && written.find("ICON=") == std::string::npos);
    }
    pressButton(final, IDOK);
    CHECK_EQ(setup.program.waitForExit(), button == IDNO ? 0 : 1);
  }
}

// Quitting the wizard installs nothing. A second Install.exe is refused, and
// so is a command line with an unknown option or a relative folder; a silent
// run shows nothing for either.
WINE_TEST(quit) {
  Installer setup;
  CHECK(setup.start(kInstall));
  HWND sheet = setup.sheet("Enter destination path");
  Installer second;
  CHECK(second.start(kInstall));
  second.answer("Setup", "Setup is already running. Finish that Setup before you start it again.", IDOK);
  CHECK_EQ(second.program.waitForExit(), 1);
  CHECK_EQ(second.runSilently(kInstall, "/S"), 1);
  CHECK(second.start(kInstall, "/X"));
  HWND usage = second.window("Setup");
  CHECK(messageBoxText(usage).find("/D=folder") != std::string::npos);
  pressButton(usage, IDOK);
  CHECK_EQ(second.program.waitForExit(), 2);
  CHECK_EQ(second.runSilently(kInstall, "/S /X"), 2);
  CHECK_EQ(second.runSilently(kInstall, "/S /D=Relative Folder"), 2);
  for (int button : {IDNO, IDYES}) {
    Installer::press(sheet, PSBTN_CANCEL);
    setup.answer("Exit Setup", kQuitQuestion, button);
  }
  setup.answer("Install", "Installation aborted.", IDOK);
  CHECK_EQ(setup.program.waitForExit(), 1);
  CHECK(!exists(programFiles() + "\\Verbolt'97"));
  CHECK_EQ(registryText(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), "<missing>");
}

// A file in use that may only be replaced at the next start of the system
// leads to the restart question; No ends without a restart, and a silent run
// ends with 3010. A file that cannot be written at all aborts a silent run.
WINE_TEST(restart) {
  const std::string destination = programFiles() + "\\Install probe", held = destination + "\\Right.wav";
  CreateDirectoryA(destination.c_str(), nullptr);
  HANDLE holder = holdFile(held, "in use");
  Installer setup;
  CHECK(setup.start(kProbe));
  Installer::press(setup.sheet("Enter destination path"), PSBTN_NEXT);
  setup.answer("Setup", "Directory '" + destination + "' exist. Overwrite?", IDYES);
  HWND sheet = setup.sheet("Select Components"), page = Installer::page(sheet);
  std::string required = text(control(page, IDC_SPACE_REQUIRED));
  clickItem(control(page, IDC_COMPONENT_LIST), 0);
  sizeChanges(page, required);
  Installer::press(sheet, PSBTN_NEXT);
  Installer::press(setup.sheet("Select Program Group"), PSBTN_FINISH);
  setup.answer("Install",
               "You should restart your computer before you can use installed program. Restart computer?", IDNO);
  CHECK_EQ(setup.program.waitForExit(), 3010);
  CHECK_EQ(readBytes(destination + "\\Right.new"), readBytes(hostPath(RIGHT_WAV)));
  std::string moves = registryText(HKEY_LOCAL_MACHINE, kSessionManager, "PendingFileRenameOperations");
  CharUpperBuffA(&moves[0], static_cast<DWORD>(moves.size()));
  CHECK(moves.find("RIGHT.NEW") != std::string::npos);
  CHECK(!exists(destination + "\\Bulk01.bin"));
  CHECK_EQ(setup.runSilently(kProbe, "/S"), 3010);
  CloseHandle(holder);
  CHECK_EQ(readBytes(held), "in use");
  const std::string aborted = "C:\\Probe aborted";
  CreateDirectoryA(aborted.c_str(), nullptr);
  HANDLE busy = holdFile(aborted + "\\Bulk20.bin", "busy");
  CHECK_EQ(setup.runSilently(kProbe, "/S /D=" + aborted), 1);
  CloseHandle(busy);
  CHECK(exists(aborted + "\\Bulk19.bin") && !exists(aborted + "\\Bulk21.bin"));
}

// Silent runs install the defaults: the default folder, or the one given,
// made with its parents; the default group as a common one and the desktop
// shortcuts on the public desktop.
WINE_TEST(silent) {
  CoInitialize(nullptr);
  Installer setup;
  CHECK_EQ(setup.runSilently(kInstall, "/S"), 0);
  const std::string destination = programFiles() + "\\Verbolt'97";
  const std::string group = shellFolder("Common Programs", true) + "\\Verbolt'97";
  CHECK_EQ(readBytes(destination + "\\Verbolt.exe"), readBytes(hostPath(VERBOLT_EXE)));
  std::string log = readBytes(destination + "\\Install.log");
  CHECK_EQ(log.substr(0, log.find("FILE=")), lines({"[INSTALL]", "TITLE=Verbolt'97 1.42b", "PATH=" + destination,
                                                    "ICONGROUP=Verbolt'97", "ICONUSERGROUP=NO"}));
  CHECK_EQ(linkTarget(group + "\\Verbolt'97.lnk"), destination + "\\Verbolt.exe");
  CHECK_EQ(linkTarget(shellFolder("Common Desktop", true) + "\\Verbolt'97.lnk"), destination + "\\Verbolt.exe");
  CHECK_EQ(registryText(HKEY_CLASSES_ROOT, ".wdl", nullptr), "Verbolt.WDL");

  const std::string place = "C:\\Silent Place", chosen = place + "\\Verbolt 97";
  CHECK_EQ(setup.runSilently(kInstall, "/S /D=" + chosen), 0);
  CHECK_EQ(readBytes(chosen + "\\Wrong.wav"), readBytes(hostPath(WRONG_WAV)));
  std::string chosenLog = readBytes(chosen + "\\Install.log");
  CHECK(chosenLog.find("PATH=" + chosen + "\n") != std::string::npos);
  CHECK(chosenLog.find("\nDIRECTORY=" + place + "\n") != std::string::npos);
  CHECK_EQ(registryText(HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString"), "\"" + chosen + "\\Remove.exe\" /S");

  // The installed uninstaller, run as the uninstall entry's quiet command,
  // takes the second install away whole, with the folder made for it.
  Installer remover;
  CHECK_EQ(remover.runSilently(chosen + "\\Remove.exe", "/S"), 0);
  CHECK(waitFor([&] { return !exists(place); }, "the uninstalled folder and its parent to go"));
  CHECK_EQ(registryText(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"), "<missing>");
  CHECK(!exists(shellFolder("Common Desktop", true) + "\\Verbolt'97.lnk"));
  CoUninitialize();
}

// A reinstallation stays removable. A wizard run that went back from the
// options page to another folder and was quit leaves the silent
// installation's log as it was; a completed one into the same folder with a
// group of the user's keeps the silent run's common group in the log beside
// its own, and the uninstaller then takes both installations away whole.
WINE_TEST(reinstall) {
  Installer setup;
  CHECK_EQ(setup.runSilently(kInstall, "/S"), 0);
  const std::string destination = programFiles() + "\\Verbolt'97", logPath = destination + "\\Install.log";
  const std::string silentLog = readBytes(logPath), other = "C:\\Other";
  CHECK(setup.start(kInstall));
  HWND sheet = wizardToOptions(setup, destination);
  for (const char* title : {"Select Program Group", "Select Components", "Enter destination path"}) {
    Installer::press(sheet, PSBTN_BACK);
    setup.sheet(title);
  }
  sheet = wizardToOptions(setup, other);
  Installer::press(sheet, PSBTN_CANCEL);
  setup.answer("Exit Setup", kQuitQuestion, IDYES);
  setup.answer("Install", "Installation aborted.", IDOK);
  CHECK_EQ(setup.program.waitForExit(), 1);
  CHECK_EQ(readBytes(logPath), silentLog);
  CHECK(!exists(other + "\\Install.log"));

  CHECK(setup.start(kInstall));
  Installer::press(wizardToOptions(setup, destination), PSBTN_FINISH);
  setup.answer("Install", "Installation complete.", IDOK);
  CHECK_EQ(setup.program.waitForExit(), 0);
  const std::string log = readBytes(logPath), head = lines({"[INSTALL]", "TITLE=Verbolt'97 1.42b", "PATH=" + destination,
                                                              "ICONGROUP=Verbolt'97", "ICONUSERGROUP=YES",
                                                              "ICONGROUP=Verbolt'97", "ICONUSERGROUP=NO"});
  CHECK_EQ(log.substr(0, head.size()), head);
  CHECK(log.find("ICONGROUP", head.size()) == std::string::npos);

  const std::string groups[] = {shellFolder("Programs", false) + "\\Verbolt'97",
                                shellFolder("Common Programs", true) + "\\Verbolt'97"};
  const std::string desktops[] = {shellFolder("Desktop", false), shellFolder("Common Desktop", true)};
  for (const std::string& folder : {groups[0], groups[1], desktops[0], desktops[1]})
    CHECK(exists(folder + "\\Verbolt'97.lnk"));
  CHECK_EQ(setup.runSilently(destination + "\\Remove.exe", "/S"), 0);
  CHECK(waitFor([&] { return !exists(destination); }, "the uninstalled folder to go"));
  for (const std::string& group : groups) CHECK(!exists(group));
  for (const std::string& desktop : desktops)
    CHECK(!exists(desktop + "\\Verbolt'97.lnk") && !exists(desktop + "\\Kielivisa'97.lnk"));
  CHECK(!keyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
  CHECK(!keyExists(HKEY_CLASSES_ROOT, ".wdl") && !keyExists(HKEY_CLASSES_ROOT, "Verbolt.WDL"));
  CHECK(!keyExists(HKEY_CURRENT_USER, "Software\\Quorvel"));
}

// A destination that cannot be written: Ignore on each file the wizard
// cannot copy does not end as a complete installation, and no uninstall
// entry or shortcut points at what is not there. A silent run whose log
// cannot be written installs the files but is not complete either.
WINE_TEST(readonly) {
  const std::string destination = "C:\\Read only";
  {
    ReadOnlyFolder locked(destination);
    Installer setup;
    CHECK(setup.start(kInstall));
    Installer::press(wizardToOptions(setup, destination), PSBTN_FINISH);
    HWND installing = setup.window("Installing...");
    HWND box = nullptr;
    int ignored = 0;
    while ((box = setup.program.waitForDialog(installing)) && text(box) == "Error") {
      CHECK(messageBoxText(box).find("Cannot copy file '" + destination + "\\") == 0);
      pressButton(box, IDIGNORE);
      setup.program.waitForGone(box);
      ++ignored;
    }
    CHECK_EQ(ignored, 7 + static_cast<int>(sampleFiles(destination).size()));  // the programs, sounds, read-mes
    CHECK_EQ(messageBoxText(box), "Installation is not complete. Setup could not write the install log or the "
                                  "uninstaller, so the program cannot be removed.");
    pressButton(box, IDOK);
    CHECK_EQ(setup.program.waitForExit(), 1);
  }
  CHECK(!exists(destination + "\\Install.log"));
  CHECK_EQ(registryText(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"), "<missing>");
  CHECK(!exists(shellFolder("Programs", false) + "\\Verbolt'97\\Verbolt'97.lnk"));
  CHECK(!exists(shellFolder("Desktop", false) + "\\Verbolt'97.lnk"));

  const std::string blocked = "C:\\Blocked log";
  CreateDirectoryA(blocked.c_str(), nullptr);
  CreateDirectoryA((blocked + "\\Install.log").c_str(), nullptr);
  Installer silent;
  CHECK_EQ(silent.runSilently(kInstall, "/S /D=" + blocked), 1);
  CHECK_EQ(readBytes(blocked + "\\Verbolt.exe"), readBytes(hostPath(VERBOLT_EXE)));
  CHECK_EQ(registryText(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"), "<missing>");
}
