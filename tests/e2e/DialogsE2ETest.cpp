// End-to-end tests of the quiz program's Settings and About dialogs: a copy
// of Verbolt.exe runs in a folder of its own with its settings key removed,
// is driven through its dialogs and the system's dialogs they open, and the
// settings it stores at exit are read back from the registry.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/e2e/CleanState.h"
#include "tests/e2e/QuizFixture.h"
#include "tests/e2e/TargetProgram.h"
#include "tests/e2e/WindowAccess.h"
#include "tests/e2e/WindowCapture.h"
#include "tests/wine/WineTest.h"

using namespace e2e;

namespace {

const char kSettingsKey[] = "Software\\Quorvel\\Verbolt'97";
const char kVersionKey[] = "Software\\Wine\\AppDefaults\\Verbolt.exe";

enum {
  kQuestionWord = 111, kAnswerBox = 112, kResultLine = 113, kCheck = 1000, kSettings = 40007, kAbout = 126,
  kOk = 1000, kCancel = 1001, kTabs = 230, kSkipRight = 1018, kAutoSave = 1013, kAutoSaveTime = 1015,
  kFontName = 1068, kSetFont = 1067, kRightSound = 1019, kWrongSound = 1006, kGetWrongSound = 1009, kFolder = 1020,
  kGetFolder = 1021, kUseColors = 1051, kRightColor = 114, kRightColorLabel = 1059, kRestoreDefaults = 1064,
  kVersionLine = 110, kNotice = 111, kMailLink = 1073, kHomeLink = 1074, kSystem = 115,
  // The system's font, colour and file dialogs.
  kFontFace = 0x470, kFontSize = 0x472, kRed = 706, kGreen = 707, kBlue = 708, kAddCustomColor = 712, kFileNameCombo = 0x47C,
  kFileNameEdit = 0x480
};

const COLORREF kDefaultRightBlue = RGB(0, 0, 0xFF);
const COLORREF kChosenGreen = RGB(0, 0x80, 0);
const COLORREF kDisabledGrey = RGB(0x80, 0x80, 0x80);

bool writeFile(const std::string& path, const std::string& bytes) {
  CreateDirectoryA(parentFolder(path).c_str(), nullptr);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  bool ok = file != INVALID_HANDLE_VALUE &&
            WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size();
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return ok;
}

// A word file whose two marked pairs answer "talo" with "house" and "kissa"
// with "cat"; the second word is asked.
std::string wordFile() {
  const std::string end(1, '\x03');
  return std::string("\xFE\xFE" "97WDL" "\x12") + "English" + end + "Finnish" + end + end + end + "house" + end +
         "talo" + end + '\x01' + end + "cat" + end + "kissa" + end + '\x01' + end + '\x02';
}

// A fresh copy of Verbolt.exe in the bin folder of the test's own folder;
// empty after a failure. The build gives the host path, which Wine shows as Z:.
std::string copyVerbolt(const std::string& test) {
  char self[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string bin = parentFolder(self) + "\\dialogs e2e\\" + test + "\\bin";
  std::string program = std::string("Z:") + VERBOLT_EXE;
  for (char& c : program)
    if (c == '/') c = '\\';
  if (!makeEmptyFolder(parentFolder(bin)) || !makeEmptyFolder(bin) ||
      !CopyFileA(program.c_str(), (bin + "\\Verbolt.exe").c_str(), FALSE)) {
    failWithScreenshot("cannot copy " + program + " to " + bin);
    return std::string();
  }
  return bin;
}

// A value's bytes below the settings key; empty when it is absent or not of type.
std::string storedValue(const std::string& key, const char* name, DWORD type) {
  HKEY opened;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, (kSettingsKey + key).c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
    return std::string();
  char data[4096];
  DWORD size = sizeof data, found = REG_NONE;
  std::string value;
  if (RegQueryValueExA(opened, name, nullptr, &found, reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS &&
      found == type)
    value.assign(data, size);
  RegCloseKey(opened);
  return value;
}

std::string numberBytes(DWORD number) { return std::string(reinterpret_cast<const char*>(&number), sizeof number); }

LONG heightOf(HWND window) {
  RECT place = {};
  GetWindowRect(window, &place);
  return place.bottom - place.top;
}

COLORREF centreColour(HWND window) {
  WindowCapture picture(window);
  return picture.pixel(picture.width() / 2, picture.height() / 2);
}

bool showsColour(HWND window, COLORREF colour, const std::string& what) {
  return waitFor([&] { return WindowCapture(window).count(colour) > 0; }, what);
}

bool hasAutosaveFile(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\wdlAutoSave*.wdl").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

// The runs of digits in text, as numbers.
std::vector<unsigned long long> numbersIn(const std::string& text) {
  std::vector<unsigned long long> numbers;
  for (size_t i = text.find_first_of("0123456789"); i != std::string::npos;
       i = text.find_first_of("0123456789", text.find_first_not_of("0123456789", i)))
    numbers.push_back(std::stoull(text.substr(i, text.find_first_not_of("0123456789", i) - i)));
  return numbers;
}

bool isChecked(HWND button) { return sendNumbers(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// One Verbolt.exe with its main window.
struct Verbolt {
  TargetProgram program;
  HWND main = nullptr;

  bool start(const std::string& bin, const std::string& work, const std::string& list, const std::string& title) {
    setScreenshotPrefix("dialogs_e2e_test");
    std::vector<std::string> arguments;
    if (!list.empty()) arguments.push_back(list);
    if (bin.empty() || !program.start(bin + "\\Verbolt.exe", arguments, kSettingsKey, work)) return false;
    main = program.waitForWindow(query(title + " - Verbolt'97", nullptr));
    return main != nullptr;
  }

  static WindowQuery query(const std::string& title, HWND owner) {
    WindowQuery wanted;
    wanted.title = title;
    wanted.owner = owner;
    return wanted;
  }

  // Posts the command and waits for the modal window titled title.
  HWND open(int command, const std::string& title) {
    postCommand(main, command);
    return program.waitForWindow(query(title, main));
  }

  // Presses button of dialog and waits for the window titled title that it opens.
  HWND openFrom(HWND dialog, int button, const std::string& title) {
    pressButton(dialog, button);
    return program.waitForWindow(query(title, nullptr));
  }

  bool press(HWND dialog, int button) { return pressButton(dialog, button) && program.waitForGone(dialog); }

  // Shows page index of the Settings dialog as the user would: a click on
  // the first tab, then the Right key to the page.
  bool showPage(HWND sheet, int index) {
    HWND tabs = control(sheet, kTabs);
    PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
    PostMessageA(tabs, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
    if (!waitFor([&] { return program.focus() == tabs; }, "the focus on the tabs")) return false;
    for (int i = 0; i < index; ++i)
      if (!program.pressKey(VK_RIGHT)) return false;
    return true;
  }

  // Chooses the first upright face of the font dialog in the given size and
  // presses OK; answers the face, empty after a failure. The faces are the
  // host's, so the test takes whichever comes first.
  std::string chooseFont(HWND sheet, const std::string& points) {
    HWND dialog = openFrom(GetParent(descendant(sheet, kSetFont)), kSetFont, "Font");
    if (!dialog) return std::string();
    HWND faces = control(dialog, kFontFace);
    HWND sizes = control(dialog, kFontSize);
    std::string face;
    for (int i = 0; (face.empty() || face[0] == '@') && i < sendNumbers(faces, CB_GETCOUNT, 0, 0); ++i)
      face = choose(dialog, faces, i);
    choose(dialog, sizes, sendNumbers(sizes, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(points.c_str()), -1));
    CHECK_EQ(text(sizes), points);
    return press(dialog, IDOK) ? face : std::string();
  }

  // Selects entry index of a combo box of dialog as a choice from its list
  // would; answers the text it then shows.
  static std::string choose(HWND dialog, HWND box, LRESULT index) {
    sendNumbers(box, CB_SETCURSEL, index, 0);
    sendNumbers(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
    return text(box);
  }
};

// The visible page of the Settings dialog holds control id.
bool pageShown(HWND sheet, int id) {
  return waitFor([&] { return IsWindowVisible(GetParent(descendant(sheet, id))) != 0; },
                 "the page of control " + std::to_string(id));
}

}  // namespace

// Cancel, Esc and a refused autosave period apply nothing, the font chosen
// before Cancel included; OK applies every page, the quiz window takes the
// font, the colours and the autosave period at once, and OK writes the
// settings to the registry.
WINE_TEST(settingsApplyOnlyOnOkAndAtOnce) {
  std::string bin = copyVerbolt("settings");
  std::string root = parentFolder(bin);
  std::string sound = root + "\\sounds\\answer.wav";
  if (bin.empty() || !writeFile(root + "\\lists\\words.wdl", wordFile()) || !writeFile(sound, "RIFF")) return;
  Verbolt quiz;
  if (!quiz.start(bin, root + "\\work", root + "\\lists\\words.wdl", "words.wdl")) return;
  HWND answerBox = control(quiz.main, kAnswerBox);
  HWND resultLine = control(quiz.main, kResultLine);
  CHECK_EQ(heightOf(answerBox), 23L);
  LRESULT font = sendNumbers(answerBox, WM_GETFONT, 0, 0);
  CHECK(setText(answerBox, text(control(quiz.main, kQuestionWord)) == "talo" ? "house" : "cat"));
  CHECK(sendCommand(quiz.main, kCheck));
  CHECK(showsColour(resultLine, kDefaultRightBlue, "Right! in the default colour"));

  winetest::setContext("font, then Cancel");
  HWND sheet = quiz.open(kSettings, "Settings");
  if (!sheet) return;
  CHECK_EQ(sendNumbers(control(sheet, kTabs), TCM_GETITEMCOUNT, 0, 0), 3L);
  CHECK_EQ(text(descendant(sheet, kFontName)), "MS Sans Serif 8pt");
  std::string face = quiz.chooseFont(sheet, "18");
  if (face.empty()) return;
  CHECK_EQ(text(descendant(sheet, kFontName)), face + " 18pt");
  if (!quiz.press(sheet, kCancel)) return;
  CHECK(quiz.program.settle());
  CHECK_EQ(heightOf(answerBox), 23L);
  CHECK_EQ(sendNumbers(answerBox, WM_GETFONT, 0, 0), font);

  // The period is read even with AutoSave off, and a refused one leaves
  // the dialog open with nothing applied.
  winetest::setContext("refused period, then Esc");
  if (!(sheet = quiz.open(kSettings, "Settings"))) return;
  HWND time = descendant(sheet, kAutoSaveTime);
  CHECK_EQ(text(descendant(sheet, kFontName)), "MS Sans Serif 8pt");
  CHECK(setText(time, "0"));
  sendNumbers(descendant(sheet, kAutoSave), BM_CLICK, 0, 0);
  CHECK(waitFor([&] { return !IsWindowEnabled(time); }, "the period disabled with AutoSave"));
  HWND error = quiz.openFrom(sheet, kOk, "Error:");
  if (!error) return;
  CHECK_EQ(messageBoxText(error), "Autosave time is invalid.");
  if (!quiz.press(error, IDOK)) return;
  CHECK(IsWindowVisible(sheet));
  CHECK(setText(time, "42"));
  CHECK(waitFor([&] { return IsChild(sheet, quiz.program.focus()); }, "the focus in the dialog"));
  CHECK(quiz.program.pressKey(VK_ESCAPE));
  if (!quiz.program.waitForGone(sheet) || !(sheet = quiz.open(kSettings, "Settings"))) return;
  CHECK_EQ(text(descendant(sheet, kAutoSaveTime)), "300");
  CHECK(isChecked(descendant(sheet, kAutoSave)));

  winetest::setContext("general page");
  CHECK(setText(descendant(sheet, kAutoSaveTime), "3"));
  sendNumbers(descendant(sheet, kSkipRight), BM_CLICK, 0, 0);
  if (quiz.chooseFont(sheet, "18") != face) return;

  // A typed sound file that does not exist is stored empty.
  winetest::setContext("paths page");
  CHECK(quiz.showPage(sheet, 1));
  CHECK(pageShown(sheet, kRightSound));
  CHECK(!IsWindowVisible(GetParent(descendant(sheet, kAutoSaveTime))));
  CHECK_EQ(text(descendant(sheet, kRightSound)), "");
  CHECK(setText(descendant(sheet, kRightSound), root + "\\sounds\\missing.wav"));
  HWND paths = GetParent(descendant(sheet, kRightSound));
  HWND waveDialog = quiz.openFrom(paths, kGetWrongSound, "Open File:");
  if (!waveDialog) return;
  HWND fileName = control(waveDialog, kFileNameCombo) ? control(waveDialog, kFileNameCombo)
                                                      : control(waveDialog, kFileNameEdit);
  CHECK(descendantWithText(waveDialog, "Preview:") != nullptr);
  CHECK(setText(fileName, sound));
  if (!quiz.press(waveDialog, IDOK)) return;
  CHECK(waitFor([&] { return text(descendant(sheet, kWrongSound)) == sound; }, "the chosen wrong sound"));
  HWND browser = quiz.openFrom(paths, kGetFolder, "Browse for Folder");
  if (!browser) return;
  CHECK(descendantWithText(browser, "Get Folder:") != nullptr);
  if (!quiz.press(browser, IDCANCEL)) return;
  CHECK(setText(descendant(sheet, kFolder), root + "\\lists"));

  // Colour buttons show their colour, grey while disabled; Restore
  // Defaults leaves them disabled.
  winetest::setContext("colors page");
  CHECK(quiz.showPage(sheet, 2));
  CHECK(pageShown(sheet, kUseColors));
  HWND rightColor = descendant(sheet, kRightColor);
  HWND colors = GetParent(rightColor);
  CHECK(waitFor([&] { return centreColour(rightColor) == kDefaultRightBlue; }, "the right colour button blue"));
  sendNumbers(descendant(sheet, kUseColors), BM_CLICK, 0, 0);
  CHECK(waitFor([&] { return centreColour(rightColor) == kDisabledGrey; }, "the disabled button grey"));
  pressButton(colors, kRestoreDefaults);
  CHECK(quiz.program.settle());
  CHECK(!IsWindowEnabled(rightColor));
  CHECK(!IsWindowEnabled(descendant(sheet, kRightColorLabel)));
  CHECK(!isChecked(descendant(sheet, kUseColors)));
  sendNumbers(descendant(sheet, kUseColors), BM_CLICK, 0, 0);
  HWND colorDialog = quiz.openFrom(colors, kRightColor, "Color");
  if (!colorDialog) return;
  CHECK(setText(control(colorDialog, kRed), "0") && setText(control(colorDialog, kGreen), "128") &&
        setText(control(colorDialog, kBlue), "0"));
  pressButton(colorDialog, kAddCustomColor);
  if (!quiz.press(colorDialog, IDOK)) return;
  CHECK(waitFor([&] { return centreColour(rightColor) == kChosenGreen; }, "the right colour button green"));
  std::string custom = storedValue("\\Colors", "CustomColors", REG_BINARY);
  CHECK_EQ(custom.size(), 64u);
  CHECK(custom.substr(0, 4) == numberBytes(kChosenGreen));

  winetest::setContext("OK");
  if (!quiz.press(sheet, kOk)) return;
  CHECK(storedValue("\\Settings", "Status", REG_DWORD) == numberBytes(5));
  CHECK(storedValue("\\Settings", "AutoSaveTime", REG_DWORD) == numberBytes(3));
  CHECK_EQ(storedValue("\\Settings", "PlayFile1", REG_SZ), std::string(1, '\0'));
  CHECK_EQ(storedValue("\\Settings", "PlayFile2", REG_SZ), sound + '\0');
  CHECK_EQ(storedValue("\\Settings", "FilePath", REG_SZ), root + "\\lists" + '\0');
  std::string storedFont = storedValue("\\Settings", "Font", REG_BINARY);
  CHECK_EQ(storedFont.size(), sizeof(LOGFONTA));
  LOGFONTA chosen = {};
  std::memcpy(&chosen, storedFont.data(), storedFont.size() < sizeof chosen ? storedFont.size() : sizeof chosen);
  CHECK_EQ(chosen.lfHeight, -24L);
  CHECK_EQ(chosen.lfFaceName, face.c_str());
  CHECK(storedValue("\\Colors", "RightColor", REG_DWORD) == numberBytes(kChosenGreen));
  CHECK(storedValue("\\Colors", "MissingColor", REG_DWORD) == numberBytes(0x800080));

  CHECK(waitFor([&] { return heightOf(answerBox) == 36; }, "the answer box in the 18 point font"));
  CHECK(showsColour(resultLine, kChosenGreen, "Right! in the chosen colour"));
  CHECK(waitFor([&] { return hasAutosaveFile(bin); }, "an autosave file after 3 seconds", 15000));
  CHECK_EQ(quiz.program.close(quiz.main), 0);
}

// The About dialog names the program, draws its links, and tells the Windows
// version that Wine reports for Windows 10, which without a manifest naming
// Windows 10 would be that of Windows 8, the processor count, and the
// physical and paged memory, also beyond 4 GB.
WINE_TEST(aboutShowsTheProgramLinksAndSystem) {
  std::string bin = copyVerbolt("about");
  HKEY version;
  if (bin.empty() || RegCreateKeyExA(HKEY_CURRENT_USER, kVersionKey, 0, nullptr, 0, KEY_WRITE, nullptr, &version,
                                     nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExA(version, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("win10"), 6);
  RegCloseKey(version);
  Verbolt quiz;
  if (!quiz.start(bin, parentFolder(bin) + "\\work", "", "untitled")) return;
  HWND about = quiz.open(kAbout, "About:");
  if (!about) return;
  CHECK_EQ(text(control(about, kVersionLine)), "Verbolt'97 V 1.42b");
  CHECK_EQ(text(control(about, kNotice)), "Verbolt'97 is freeware. Send comments to:");
  CHECK_EQ(text(control(about, kMailLink)), "verbolt@example.org");
  CHECK_EQ(text(control(about, kHomeLink)), "http://www.example.org/verbolt/");
  CHECK(showsColour(control(about, kHomeLink), RGB(0, 0, 0xFF), "the home page link in blue"));

  std::string system = text(control(about, kSystem));
  std::vector<std::string> lines;
  for (size_t start = 0, end; start <= system.size(); start = end + 1) {
    end = system.find('\n', start);
    if (end == std::string::npos) end = system.size();
    lines.push_back(system.substr(start, end - start));
  }
  CHECK_EQ(lines.size(), 4u);
  if (lines.size() != 4) return;
  std::vector<unsigned long long> windows = numbersIn(lines[0]);
  CHECK(windows.size() == 3 && windows[0] == 10 && windows[1] == 0 && windows[2] >= 10240);
  CHECK_EQ(lines[0], "System: Windows NT 10.0 Build: " + std::to_string(windows.size() == 3 ? windows[2] : 0));
  SYSTEM_INFO processor;
  GetSystemInfo(&processor);
  const std::string count = ", " + std::to_string(processor.dwNumberOfProcessors) + " cpus";
  CHECK(lines[1].rfind("Processor: ", 0) == 0);
  CHECK(lines[1].size() >= count.size() && lines[1].compare(lines[1].size() - count.size(), count.size(), count) == 0);
  MEMORYSTATUSEX memory = {};
  memory.dwLength = sizeof memory;
  GlobalMemoryStatusEx(&memory);
  std::vector<unsigned long long> kilobytes = numbersIn(lines[2] + " " + lines[3]);
  CHECK_EQ(kilobytes.size(), 4u);
  if (kilobytes.size() != 4) return;
  CHECK_EQ(kilobytes[0], memory.ullTotalPhys >> 10);
  CHECK(kilobytes[1] > 0 && kilobytes[3] > 0 && kilobytes[3] <= kilobytes[2]);
  // qemu hands a 32-bit program the machine's memory total cut to 32 bits
  // (modulo 4 GB) but the free memory whole, so there free can exceed total.
  if (!GetEnvironmentVariableA("VERBOLT_EMULATED_32BIT", nullptr, 0)) CHECK(kilobytes[1] <= kilobytes[0]);
  CHECK_EQ(lines[2], "Physical memory: " + std::to_string(kilobytes[0]) + " KB Free: " + std::to_string(kilobytes[1]) +
                         " KB");
  CHECK_EQ(lines[3], "Paged memory: " + std::to_string(kilobytes[2]) + " KB Free: " + std::to_string(kilobytes[3]) +
                         " KB");
  if (!quiz.press(about, kOk)) return;
  CHECK_EQ(quiz.program.close(quiz.main), 0);
  CHECK(removeRegistryTree(HKEY_CURRENT_USER, kVersionKey));
}
