// End-to-end tests of the quiz program: a copy of Verbolt.exe runs in its own
// process and folder with its settings key removed, and is driven only
// through its message loop, its dialogs and window messages.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "tests/e2e/CleanState.h"
#include "tests/e2e/QuizFixture.h"
#include "tests/e2e/QuizSession.h"
#include "tests/e2e/RemoteListView.h"
#include "tests/e2e/TargetProgram.h"
#include "tests/e2e/WindowAccess.h"
#include "tests/e2e/WindowCapture.h"
#include "tests/wine/WineTest.h"

using namespace e2e;

namespace {

const char kSettingsKey[] = "Software\\Quorvel\\Verbolt'97";
const char kTitleSuffix[] = " - Verbolt'97";

// The main window's controls and commands, the word list window's list
// view, and the controls of the system's file dialog (file types cmb1, file
// name cmb13 or edt1).
enum {
  kQuestionLabel = 110, kQuestionWord = 111, kAnswerBox = 112, kResultLine = 113,
  kRightLine = 114, kYourLine = 115, kPointsLine = 116, kCheck = 1000, kGiveHelp = 102, kOpen = 104, kSave = 105,
  kSecondToFirst = 107, kFirstToSecond = 108, kAskPrevious = 109, kSaveAs = 120, kNew = 121, kWordListView = 1066,
  kFileTypes = 0x470, kFileNameCombo = 0x47C, kFileNameEdit = 0x480
};

// The default answer-marking colours as COLORREF values.
const COLORREF kWrongRed = RGB(0xFF, 0, 0);          // WrongColor and DiffColor 0x0000FF
const COLORREF kRightBlue = RGB(0, 0, 0xFF);         // RightColor 0xFF0000
const COLORREF kMissingPurple = RGB(0x80, 0, 0x80);  // MissingColor 0x800080
const COLORREF kExtraBlue = RGB(0, 0, 0xA0);         // ExtraColor 0xA00000

// Names of the autosave files in folder, in the order the system lists them.
std::vector<std::string> autosaveFiles(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\wdlAutoSave*.wdl").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.push_back(found.cFileName);
  while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}


struct Pair {
  std::string first, second;
  bool marked;
};

struct ListFile {
  std::string firstLanguage, secondLanguage, author, information;
  std::vector<Pair> pairs;

  // The word file: fixed bytes, header texts and pair records ended by 0x03,
  // the end marker 0x02.
  std::string wordFile() const {
    std::string bytes("\xFE\xFE" "97WDL" "\x12");
    for (const std::string* text : {&firstLanguage, &secondLanguage, &author, &information}) bytes += *text + '\x03';
    for (const Pair& pair : pairs) {
      bytes += pair.first + '\x03' + pair.second + '\x03';
      bytes += pair.marked ? '\x01' : '\x00';
      bytes += '\x03';
    }
    return bytes + '\x02';
  }

  // A text file: every pair, marked or not, as first word, tab, second word.
  std::string textFile() const {
    std::string text;
    for (const Pair& pair : pairs) text += pair.first + "\t" + pair.second + "\r\n";
    return text;
  }

  // The answer in the starting direction (the second word is asked): the
  // first word of the first marked pair asked with question.
  std::string answerTo(const std::string& question) const {
    for (const Pair& pair : pairs)
      if (pair.marked && pair.second == question) return pair.first;
    failWithScreenshot("the question \"" + question + "\" is no marked pair's word");
    return std::string();
  }

  bool asks(const std::string& question) const {
    for (const Pair& pair : pairs)
      if (pair.marked && pair.second == question) return true;
    return false;
  }
};

const ListFile kDrillList = {"English", "Finnish", "Tester", "Drill list\r\nfor the end-to-end test",
                             {{"cat", "kissa", true}, {"dog", "koira", true}, {"water", "vesi", true},
                              {"bread", "leipa", true}, {"window", "ikkuna", true}, {"fish", "kala", false}}};

// Two marked pairs and an unmarked one share the question word.
const ListFile kSharedQuestionList = {"English", "Finnish", "", "",
                                      {{"house", "talo", true}, {"building", "talo", true}, {"home", "talo", false}}};

const ListFile kEmptyList = {"", "", "", "", {}};

// Writes list as a word file, making its folder when needed.
bool writeList(const std::string& path, const ListFile& list) {
  CreateDirectoryA(parentFolder(path).c_str(), nullptr);
  return writeFileBytes(path, list.wordFile());
}


std::string numberBytes(DWORD number) { return std::string(reinterpret_cast<const char*>(&number), sizeof number); }

void checkNumber(const std::string& key, const char* name, DWORD expected) {
  winetest::setContext(key + "\\" + name);
  DWORD type;
  std::string value = registryValue(key, name, &type);
  CHECK_EQ(type, static_cast<DWORD>(REG_DWORD));
  CHECK(value == numberBytes(expected));
}

void checkText(const std::string& key, const char* name, const std::string& expected) {
  winetest::setContext(key + "\\" + name);
  DWORD type;
  std::string value = registryValue(key, name, &type);
  CHECK_EQ(type, static_cast<DWORD>(REG_SZ));
  CHECK_EQ(value, expected + '\0');
}

bool setAutoSaveTime(DWORD seconds) {
  HKEY key;
  if (!removeRegistryTree(HKEY_CURRENT_USER, kSettingsKey) ||
      RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kSettingsKey) + "\\Settings").c_str(), 0, nullptr, 0,
                      KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  bool set = RegSetValueExA(key, "AutoSaveTime", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&seconds),
                            sizeof seconds) == ERROR_SUCCESS;
  RegCloseKey(key);
  return set;
}


bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string upperFirst(std::string word) {
  word[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(word[0])));
  return word;
}

// One Verbolt process with its main window.
struct Quiz {
  TargetProgram program;
  HWND main = nullptr;

  // Starts bin\Verbolt.exe in work (emptied) with the settings key removed
  // unless keepSettings, and waits for the main window with the focus in the
  // answer box.
  bool start(const std::string& bin, const std::string& work, const std::vector<std::string>& arguments,
             bool keepSettings = false) {
    setScreenshotPrefix("verbolt_e2e_test");
    if (bin.empty() || !program.start(bin + "\\Verbolt.exe", arguments, keepSettings ? "" : kSettingsKey, work))
      return false;
    waitFor(
        [&] {
          main = windowOfProcess(program.processId(), [](HWND w) { return GetMenu(w) && endsWith(text(w), kTitleSuffix); });
          return main != nullptr || !program.running();
        },
        "the main window titled \"... - Verbolt'97\"");
    return main && focusIn(main, kAnswerBox);
  }

  HWND item(int id) const { return control(main, id); }
  std::string line(int id) const { return text(item(id)); }
  bool checked(int id) const { return sendNumbers(item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

  bool focusIn(HWND dialog, int id) {
    return waitFor([&] { return program.focus() == control(dialog, id); },
                   "the focus on control " + std::to_string(id));
  }

  // Waits for control id of the main window to read expected; a timeout
  // also reports what it reads.
  bool shows(int id, const std::string& expected) {
    if (waitFor([&] { return line(id) == expected; },
                "control " + std::to_string(id) + " to read \"" + expected + "\""))
      return true;
    CHECK_EQ(line(id), expected);
    return false;
  }

  // Waits for the main window's title, which the program refreshes after
  // its dialogs have closed.
  bool titleIs(const std::string& expected) {
    if (waitFor([&] { return text(main) == expected; }, "the title \"" + expected + "\"")) return true;
    CHECK_EQ(text(main), expected);
    return false;
  }

  // Types into the empty answer box and presses Enter.
  bool answer(const std::string& typed) {
    if (!focusIn(main, kAnswerBox)) return false;
    CHECK_EQ(line(kAnswerBox), "");
    return program.typeText(typed) && program.pressKey(VK_RETURN);
  }

  // Presses Alt with letter until done() holds. A program under Wine may
  // read its key state from a copy taken up to 50 ms before, so an Alt held
  // from outside right after other keys can be missed. A missed Alt+letter
  // leaves no trace here (no menu title has the letters used), so the press
  // is repeated.
  bool pressAltUntil(char letter, int id, const std::string& expected) {
    return program.pressKeyUntil(letter, kAlt, [&] { return line(id); }, expected);
  }

  // Alt+K: toggles Ask Previous, which marks the list changed.
  bool toggleAskPrevious() {
    auto state = [&] { return std::string(checked(kAskPrevious) ? "checked" : "unchecked"); };
    return program.pressKeyUntil('K', kAlt, state, state() == "checked" ? "unchecked" : "checked");
  }

  // The modal window of the program other than the main window.
  HWND dialog() { return program.waitForDialog(main); }

  // A message box or dialog of the program that is open now, without waiting.
  HWND openDialog() const {
    HWND except = main;
    return windowOfProcess(program.processId(), [except](HWND w) { return w != except && className(w) == "#32770"; });
  }

  // Posts WM_CLOSE and waits for the save prompt.
  HWND closeToPrompt() {
    PostMessageA(main, WM_CLOSE, 0, 0);
    HWND prompt = dialog();
    if (prompt) CHECK_EQ(text(prompt), "Save?");
    return prompt;
  }

  void kill() {
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, program.processId());
    if (process) {
      TerminateProcess(process, 1);
      CloseHandle(process);
    }
    CHECK_EQ(program.waitForExit(), 1);
  }
};

int colourCount(HWND window, COLORREF colour) { return WindowCapture(window).count(colour); }

bool showsColour(HWND window, COLORREF colour, const std::string& what) {
  return waitFor([&] { return colourCount(window, colour) > 0; }, what);
}

bool lacksColour(HWND window, COLORREF colour, const std::string& what) {
  return waitFor([&] { return colourCount(window, colour) == 0; }, what);
}

// The system's open or save dialog that the program shows: checks its title,
// selects the file type entry filterIndex (-1 keeps the preselected one),
// enters path as the file name and presses OK. *preselected: the entry
// selected when the dialog opened.
bool chooseFile(Quiz& quiz, const std::string& title, int filterIndex, const std::string& path,
                LRESULT* preselected = nullptr) {
  HWND dialog = quiz.dialog();
  if (!dialog) return false;
  CHECK_EQ(text(dialog), title);
  HWND types = control(dialog, kFileTypes);
  if (preselected) *preselected = sendNumbers(types, CB_GETCURSEL, 0, 0, -1);
  if (filterIndex >= 0) {
    CHECK_EQ(sendNumbers(types, CB_SETCURSEL, filterIndex, 0, -1), filterIndex);
    // A choice from the drop-down list ends with both notifications; the
    // system's dialog acts on the second.
    for (WORD code : {CBN_SELCHANGE, CBN_SELENDOK})
      sendNumbers(dialog, WM_COMMAND, MAKEWPARAM(kFileTypes, code), reinterpret_cast<LPARAM>(types));
  }
  HWND name = control(dialog, kFileNameCombo) ? control(dialog, kFileNameCombo) : control(dialog, kFileNameEdit);
  CHECK(setText(name, path));
  pressButton(dialog, IDOK);
  return quiz.program.waitForGone(dialog);
}

// The word list window's order after a click on the "First Word" header.
bool byFirstWord(const Pair& a, const Pair& b) { return a.first < b.first; }

// Opens the word list window (F3), sorts it by a click on the "First Word"
// header and closes it with Esc.
bool sortWordListByFirstWord(Quiz& quiz, const ListFile& list) {
  HWND window = quiz.program.pressKey(VK_F3) ? quiz.program.waitForWindow({"Wordlist", "#32770", quiz.main}) : nullptr;
  if (!window) return false;
  RemoteListView rows(control(window, kWordListView));
  if (!waitFor([&] { return rows.count() == static_cast<int>(list.pairs.size()); }, "the rows")) return false;
  std::string top = std::min_element(list.pairs.begin(), list.pairs.end(), byFirstWord)->first;
  HWND header = reinterpret_cast<HWND>(sendNumbers(control(window, kWordListView), LVM_GETHEADER, 0, 0));
  RECT first = sendForRect(header, HDM_GETITEMRECT, 0);
  LPARAM middle = clientPoint((first.left + first.right) / 2, (first.top + first.bottom) / 2);
  PostMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  PostMessageA(header, WM_LBUTTONUP, 0, middle);
  if (!waitFor([&] { return rows.text(0, 0) == top; }, "the rows sorted by the first word")) return false;
  return quiz.program.pressKey(VK_ESCAPE) && quiz.program.waitForGone(window);
}

std::string todaysInformation() {
  char date[81] = "";
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date);
  return std::string("Made: ") + date;
}

}  // namespace


WINE_TEST(commandLineOpensTheWordFileAndTheEndWritesTheSettings) {
  std::string bin = quizProgramFolder("command line");
  std::string root = parentFolder(bin);
  std::string path = root + "\\my lists\\English Finnish.wdl";
  if (bin.empty() || !writeList(path, kDrillList)) return;
  Quiz quiz;
  if (!quiz.start(bin, root + "\\work", {path})) return;

  CHECK(quiz.titleIs("English Finnish.wdl - Verbolt'97"));
  // The second word is asked at first, so the answer is in the first language.
  CHECK_EQ(quiz.line(kQuestionLabel), "What is in English");
  CHECK(kDrillList.asks(quiz.line(kQuestionWord)));
  CHECK_EQ(quiz.line(kPointsLine), "Points 0 / 0 Selected 5 / 6");
  CHECK_EQ(quiz.line(kResultLine), "");
  CHECK_EQ(quiz.line(kRightLine), "Right Answer: ");
  CHECK_EQ(quiz.line(kYourLine), "Your Answer: ");
  CHECK_EQ(quiz.line(kSecondToFirst), "Finnish - English");
  CHECK_EQ(quiz.line(kFirstToSecond), "English - Finnish");
  CHECK(quiz.checked(kSecondToFirst));
  CHECK(!quiz.checked(kFirstToSecond));
  CHECK(quiz.checked(kAskPrevious));

  // Tab and Shift+Tab reach the window as commands that move the focus.
  CHECK(quiz.program.pressKey(VK_TAB));
  CHECK(quiz.focusIn(quiz.main, kCheck));
  CHECK(quiz.program.pressKey(VK_TAB, kShift));
  CHECK(quiz.focusIn(quiz.main, kAnswerBox));

  // The other direction asks the first word in the second language.
  sendNumbers(quiz.item(kFirstToSecond), BM_CLICK, 0, 0);
  CHECK(quiz.shows(kQuestionLabel, "What is in Finnish"));
  CHECK(quiz.checked(kFirstToSecond));
  std::string question = quiz.line(kQuestionWord);
  std::string expected;
  for (const Pair& pair : kDrillList.pairs)
    if (pair.marked && pair.first == question) expected = pair.second;
  CHECK(!expected.empty());
  if (!quiz.answer(expected)) return;
  CHECK(quiz.shows(kResultLine, "Right! (" + question + ")"));
  CHECK(quiz.shows(kRightLine, "Right Answer: " + expected));
  CHECK_EQ(quiz.program.close(quiz.main), 0);

  checkNumber("\\Settings", "Status", 7);
  checkNumber("\\Settings", "AutoSaveTime", 300);
  checkText("\\Settings", "PlayFile1", "Right.wav");
  checkText("\\Settings", "PlayFile2", "Wrong.wav");
  checkText("\\Settings", "FilePath", "");
  checkNumber("\\Settings", "Main Width", 440);
  winetest::setContext("\\Settings\\Font");
  DWORD type;
  std::string font = registryValue("\\Settings", "Font", &type);
  CHECK_EQ(type, static_cast<DWORD>(REG_BINARY));
  CHECK_EQ(font.size(), sizeof(LOGFONTA));
  if (font.size() == sizeof(LOGFONTA)) {
    const LOGFONTA* stored = reinterpret_cast<const LOGFONTA*>(font.data());
    CHECK_EQ(stored->lfHeight, -11);
    CHECK_EQ(stored->lfWeight, 400);
    CHECK_EQ(stored->lfPitchAndFamily, 34);
    CHECK_EQ(stored->lfFaceName, "MS Sans Serif");
  }
  const struct {
    const char* name;
    DWORD colour;
  } colours[] = {{"BaseColor", 0x000000}, {"RightColor", 0xFF0000}, {"WrongColor", 0x0000FF},
                 {"DiffColor", 0x0000FF}, {"MissingColor", 0x800080}, {"ExtraColor", 0xA00000}};
  for (const auto& c : colours) checkNumber("\\Colors", c.name, c.colour);
}

// Each argument form names the same file; the save prompt shows the path the
// program made of it: absolute, every component by its long name.
WINE_TEST(commandLinePathIsMadeAbsoluteAndLong) {
  std::string bin = quizProgramFolder("long names");
  std::string root = parentFolder(bin);
  std::string path = root + "\\my lists\\English Finnish.wdl";
  if (bin.empty() || !writeList(path, kDrillList)) return;
  char shortPath[MAX_PATH] = "";
  GetShortPathNameA(path.c_str(), shortPath, MAX_PATH);
  CHECK(std::string(shortPath) != path);
  const char* const arguments[] = {path.c_str(), shortPath, "..\\my lists\\English Finnish.wdl"};
  for (const char* argument : arguments) {
    winetest::setContext(argument);
    Quiz quiz;
    if (!quiz.start(bin, root + "\\work", {argument})) return;
    CHECK(quiz.titleIs("English Finnish.wdl - Verbolt'97"));
    CHECK(quiz.toggleAskPrevious());
    CHECK(!quiz.checked(kAskPrevious));
    HWND prompt = quiz.closeToPrompt();
    if (!prompt) return;
    CHECK_EQ(messageBoxText(prompt), "Save changes to file " + path + "?");
    pressButton(prompt, IDNO);
    CHECK_EQ(quiz.program.waitForExit(), 0);
  }
}


// A file that cannot be opened is reported at start; the list stays untitled.
WINE_TEST(commandLineFileThatCannotBeOpenedIsReported) {
  std::string bin = quizProgramFolder("missing file");
  if (bin.empty()) return;
  std::string root = parentFolder(bin);
  const struct {
    std::string path, bytes, message;
  } cases[] = {{root + "\\no such.wdl", "", "File not found."},
               {root + "\\short.wdl", "\xFE\xFE" "97", "Invalid file."}};
  for (const auto& c : cases) {
    winetest::setContext(c.path);
    if (!c.bytes.empty()) CHECK(writeFileBytes(c.path, c.bytes));
    Quiz quiz;
    if (!quiz.program.start(bin + "\\Verbolt.exe", {c.path}, kSettingsKey, root + "\\work")) return;
    HWND box = quiz.program.waitForDialog();
    if (!box) return;
    CHECK_EQ(text(box), "Error:");
    CHECK_EQ(messageBoxText(box), "Error to open file " + c.path + ": \n" + c.message);
    pressButton(box, IDOK);
    HWND main = quiz.program.waitForWindow({"untitled - Verbolt'97", "", nullptr});
    if (!main) return;
    CHECK_EQ(text(control(main, kQuestionWord)), "No selected words in wordlist.");
    CHECK_EQ(quiz.program.close(main), 0);
  }
}

// Without quotes the path ends at the first space. The driver quotes every
// argument, so this program is started by hand.
WINE_TEST(unquotedCommandLinePathEndsAtTheFirstSpace) {
  std::string bin = quizProgramFolder("unquoted");
  std::string root = parentFolder(bin);
  if (bin.empty() || !writeList(root + "\\lists\\drill.wdl", kDrillList) ||
      !removeRegistryTree(HKEY_CURRENT_USER, kSettingsKey))
    return;
  // The folder above holds "verbolt e2e", so the first word ends there.
  std::string commandLine = "\"" + bin + "\\Verbolt.exe\" " + root + "\\lists\\drill.wdl";
  std::string cut = root.substr(0, root.find(' '));
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, root.c_str(), &startup,
                      &process)) {
    failWithScreenshot("cannot start " + commandLine);
    return;
  }
  HWND box = nullptr, main = nullptr;
  CHECK(waitFor([&] { return (box = windowOfProcess(process.dwProcessId, [](HWND w) { return text(w) == "Error:"; })); },
                "the load error"));
  if (box) {
    CHECK_EQ(messageBoxText(box), "Error to open file " + cut + ": \nFile not found.");
    pressButton(box, IDOK);
  }
  CHECK(waitFor(
      [&] {
        main = windowOfProcess(process.dwProcessId, [](HWND w) { return text(w) == "untitled - Verbolt'97"; });
        return main != nullptr;
      },
      "the untitled main window"));
  if (main) PostMessageA(main, WM_CLOSE, 0, 0);
  DWORD code = 255;
  if (WaitForSingleObject(process.hProcess, kDefaultTimeout) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 255);
    WaitForSingleObject(process.hProcess, kSendTimeout);
  }
  GetExitCodeProcess(process.hProcess, &code);
  CHECK_EQ(code, 0u);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

WINE_TEST(typedAnswersAreJudgedCountedAndMarked) {
  std::string bin = quizProgramFolder("drill");
  std::string path = parentFolder(bin) + "\\lists\\drill.wdl";
  if (bin.empty() || !writeList(path, kDrillList)) return;
  Quiz quiz;
  if (!quiz.start(bin, parentFolder(bin) + "\\work", {path})) return;
  HWND result = quiz.item(kResultLine), right = quiz.item(kRightLine), yours = quiz.item(kYourLine);

  // Right, without help: Ask Previous is unchecked, so the pair leaves the
  // drill at the next check.
  std::string question = quiz.line(kQuestionWord), expected = kDrillList.answerTo(question);
  winetest::setContext("right: " + question);
  if (!quiz.answer(expected)) return;
  CHECK(quiz.shows(kResultLine, "Right! (" + question + ")"));
  CHECK(quiz.shows(kPointsLine, "Points 1 / 1 Selected 5 / 6"));
  CHECK(quiz.shows(kRightLine, "Right Answer: " + expected));
  CHECK(quiz.shows(kYourLine, "Your Answer: " + expected));
  CHECK(!quiz.checked(kAskPrevious));
  CHECK(showsColour(result, kRightBlue, "\"Right!\" in RightColor"));
  CHECK_EQ(colourCount(result, kWrongRed), 0);
  CHECK_EQ(colourCount(right, kWrongRed) + colourCount(yours, kWrongRed), 0);
  CHECK(quiz.line(kQuestionWord) != question);

  // The word list window gives the pairs back sorted: the answer stays with
  // its pair, which the next check drops.
  if (!sortWordListByFirstWord(quiz, kDrillList)) return;
  CHECK(quiz.shows(kResultLine, "Right! (" + question + ")"));
  CHECK_EQ(quiz.line(kRightLine), "Right Answer: " + expected);
  CHECK_EQ(quiz.line(kYourLine), "Your Answer: " + expected);
  CHECK(!quiz.checked(kAskPrevious) && IsWindowEnabled(quiz.item(kAskPrevious)));
  std::vector<std::string> dropped = {question};

  // Wrong: one changed character, marked on both lines.
  question = quiz.line(kQuestionWord);
  expected = kDrillList.answerTo(question);
  std::string typed = expected;
  typed[0] = typed[0] == 'x' ? 'y' : 'x';
  winetest::setContext("wrong: " + question);
  if (!quiz.answer(typed)) return;
  CHECK(quiz.shows(kResultLine, "Wrong! (" + question + ")"));
  CHECK(quiz.shows(kPointsLine, "Points 1 / 2 Selected 4 / 6"));
  CHECK(quiz.shows(kRightLine, "Right Answer: " + expected));
  CHECK(quiz.shows(kYourLine, "Your Answer: " + typed));
  CHECK(quiz.checked(kAskPrevious));
  CHECK(showsColour(result, kWrongRed, "\"Wrong!\" in WrongColor"));
  CHECK(lacksColour(result, kRightBlue, "no RightColor in the result line"));
  CHECK(showsColour(right, kWrongRed, "the changed character of the right line in DiffColor"));
  CHECK(showsColour(yours, kWrongRed, "the changed character of your line in DiffColor"));
  WindowCapture yourPicture(yours);
  RECT marked = yourPicture.bounds(kWrongRed);
  CHECK(marked.right - marked.left < 12);
  // The label's trailing space stays between the label and the answer.
  int labelEnd = -1;
  for (int x = 0; x < marked.left; ++x)
    for (int y = 0; y < yourPicture.height(); ++y)
      if (yourPicture.pixel(x, y) == RGB(0, 0, 0)) labelEnd = x;
  CHECK(marked.left - labelEnd > 2);

  // Right in other case: judged right, the case difference still marked.
  question = quiz.line(kQuestionWord);
  expected = kDrillList.answerTo(question);
  winetest::setContext("other case: " + question);
  if (!quiz.answer(upperFirst(expected))) return;
  CHECK(quiz.shows(kResultLine, "Right! (" + question + ")"));
  CHECK(quiz.shows(kPointsLine, "Points 2 / 3 Selected 4 / 6"));
  CHECK(quiz.shows(kYourLine, "Your Answer: " + upperFirst(expected)));
  CHECK(!quiz.checked(kAskPrevious));
  dropped.push_back(question);
  CHECK(showsColour(right, kWrongRed, "the lower-case first letter of the right line in DiffColor"));
  CHECK(showsColour(yours, kWrongRed, "the upper-case first letter of your line in DiffColor"));

  // Give Help (Alt+G) shows the answer up to the first differing character.
  question = quiz.line(kQuestionWord);
  expected = kDrillList.answerTo(question);
  const struct {
    std::string typed, hint;
  } hints[] = {{expected.substr(0, 1) + "q" + expected.substr(2), expected.substr(0, 2)},
               {upperFirst(expected.substr(0, 3)), expected.substr(0, 1)},
               {"", expected.substr(0, 1)},
               {expected + "zz", expected}};
  for (const auto& h : hints) {
    winetest::setContext("help for \"" + h.typed + "\": " + question);
    CHECK(setText(quiz.item(kAnswerBox), ""));
    CHECK(quiz.program.typeText(h.typed));
    CHECK(quiz.pressAltUntil('G', kAnswerBox, h.hint));
    CHECK(quiz.focusIn(quiz.main, kAnswerBox));
  }
  // Right with help: Ask Previous stays checked, and the pair answered
  // before leaves the drill.
  CHECK(setText(quiz.item(kAnswerBox), ""));
  if (!quiz.answer(expected)) return;
  CHECK(quiz.shows(kResultLine, "Right! (" + question + ")"));
  CHECK(quiz.shows(kPointsLine, "Points 3 / 4 Selected 3 / 6"));
  CHECK(quiz.checked(kAskPrevious));

  // An extra end is in ExtraColor on your line only.
  question = quiz.line(kQuestionWord);
  expected = kDrillList.answerTo(question);
  winetest::setContext("extra: " + question);
  if (!quiz.answer(expected + "s")) return;
  CHECK(quiz.shows(kResultLine, "Wrong! (" + question + ")"));
  CHECK(quiz.shows(kPointsLine, "Points 3 / 5 Selected 3 / 6"));
  CHECK(showsColour(yours, kExtraBlue, "the extra end of your line in ExtraColor"));
  CHECK(lacksColour(right, kWrongRed, "no DiffColor left on the right line"));
  CHECK_EQ(colourCount(right, kExtraBlue), 0);

  // A doubled character is in MissingColor on your line only.
  question = quiz.line(kQuestionWord);
  expected = kDrillList.answerTo(question);
  typed = expected.substr(0, 2) + expected[1] + expected.substr(2);
  winetest::setContext("doubled: " + question);
  if (!quiz.answer(typed)) return;
  CHECK(quiz.shows(kYourLine, "Your Answer: " + typed));
  CHECK(quiz.shows(kPointsLine, "Points 3 / 6 Selected 3 / 6"));
  CHECK(showsColour(yours, kMissingPurple, "the doubled character of your line in MissingColor"));
  CHECK(lacksColour(yours, kExtraBlue, "no ExtraColor left on your line"));
  CHECK_EQ(colourCount(right, kMissingPurple), 0);

  // Saved: the pairs in their sorted order, the two dropped ones unmarked.
  winetest::setContext("");
  std::vector<Pair> sorted = kDrillList.pairs;
  std::sort(sorted.begin(), sorted.end(), byFirstWord);
  std::string saved;
  for (const Pair& pair : sorted) {
    bool marked = pair.marked && std::find(dropped.begin(), dropped.end(), pair.second) == dropped.end();
    saved += (marked ? "+" : "") + pair.first + "/" + pair.second + " ";
  }
  HWND prompt = quiz.closeToPrompt();
  if (!prompt) return;
  pressButton(prompt, IDYES);
  CHECK_EQ(quiz.program.waitForExit(), 0);
  CHECK_EQ(pairsOfWordFile(readFileBytes(path)), saved);
}

// Every answer right without help: each check drops the pair answered
// before, until no pair is selected; then Check and Give Help do nothing.
WINE_TEST(rightAnswersEmptyTheDrill) {
  std::string bin = quizProgramFolder("all right");
  std::string path = parentFolder(bin) + "\\lists\\three.wdl";
  ListFile three = kDrillList;
  three.pairs.resize(3);
  if (bin.empty() || !writeList(path, three)) return;
  Quiz quiz;
  if (!quiz.start(bin, parentFolder(bin) + "\\work", {path})) return;
  const char* const points[] = {"Points 1 / 1 Selected 3 / 3", "Points 2 / 2 Selected 2 / 3",
                                "Points 3 / 3 Selected 1 / 3", "Points 4 / 4 Selected 0 / 3"};
  for (const char* expected : points) {
    std::string question = quiz.line(kQuestionWord);
    winetest::setContext(question);
    if (!quiz.answer(three.answerTo(question))) return;
    CHECK(quiz.shows(kResultLine, "Right! (" + question + ")"));
    CHECK(quiz.shows(kPointsLine, expected));
    CHECK(!quiz.checked(kAskPrevious));
  }
  winetest::setContext("");
  CHECK(quiz.shows(kQuestionWord, "No selected words in wordlist."));
  CHECK_EQ(quiz.line(kQuestionLabel), "");
  if (!quiz.focusIn(quiz.main, kAnswerBox) || !quiz.program.typeText("cat") || !quiz.shows(kAnswerBox, "cat")) return;
  sendNumbers(quiz.item(kGiveHelp), BM_CLICK, 0, 0);
  CHECK_EQ(quiz.line(kAnswerBox), "cat");
  CHECK(quiz.program.pressKey(VK_RETURN));
  CHECK(quiz.shows(kAnswerBox, ""));
  CHECK_EQ(quiz.line(kPointsLine), "Points 4 / 4 Selected 0 / 3");
  CHECK_EQ(quiz.program.close(quiz.main), 0);
}

WINE_TEST(answerOfAnotherMarkedPairWithTheSameQuestionIsRight) {
  std::string bin = quizProgramFolder("shared question");
  std::string path = parentFolder(bin) + "\\lists\\talo.wdl";
  if (bin.empty() || !writeList(path, kSharedQuestionList)) return;
  Quiz quiz;
  if (!quiz.start(bin, parentFolder(bin) + "\\work", {path})) return;
  CHECK_EQ(quiz.line(kQuestionWord), "talo");
  CHECK_EQ(quiz.line(kPointsLine), "Points 0 / 0 Selected 2 / 3");

  // An empty answer shows which pair was asked, all of it in ExtraColor; the
  // other pair comes next, since no pair is asked twice in a row.
  if (!quiz.answer("")) return;
  CHECK(quiz.shows(kResultLine, "Wrong! (talo)"));
  std::string first = quiz.line(kRightLine).substr(std::string("Right Answer: ").size());
  CHECK(first == "house" || first == "building");
  std::string second = first == "house" ? "building" : "house";
  CHECK(showsColour(quiz.item(kRightLine), kExtraBlue, "the right text in ExtraColor after an empty answer"));

  if (!quiz.answer(first)) return;
  CHECK(quiz.shows(kResultLine, "Right! (talo)"));
  CHECK(quiz.shows(kPointsLine, "Points 1 / 2 Selected 2 / 3"));
  CHECK(quiz.shows(kRightLine, "Right Answer: " + second + " / " + first));
  CHECK(quiz.shows(kYourLine, "Your Answer: " + first));
  // Only a plain Right unchecks Ask Previous.
  CHECK(quiz.checked(kAskPrevious));
  CHECK(lacksColour(quiz.item(kRightLine), kExtraBlue, "an unmarked right line"));
  CHECK_EQ(colourCount(quiz.item(kRightLine), kWrongRed), 0);

  // The unmarked pair with the same question word does not count. Alt+C
  // checks like Enter.
  if (!quiz.focusIn(quiz.main, kAnswerBox) || !quiz.program.typeText("home")) return;
  CHECK(quiz.pressAltUntil('C', kPointsLine, "Points 1 / 3 Selected 2 / 3"));
  CHECK(quiz.shows(kResultLine, "Wrong! (talo)"));
  CHECK_EQ(quiz.program.close(quiz.main), 0);
}


WINE_TEST(newOpenSaveAndSaveAsGoThroughTheFileDialog) {
  std::string bin = quizProgramFolder("file commands");
  std::string lists = parentFolder(bin) + "\\lists";
  std::string path = lists + "\\drill.wdl";
  if (bin.empty() || !writeList(path, kDrillList)) return;
  Quiz quiz;
  if (!quiz.start(bin, parentFolder(bin) + "\\work", {})) return;
  CHECK(quiz.titleIs("untitled - Verbolt'97"));
  CHECK_EQ(quiz.line(kQuestionWord), "No selected words in wordlist.");
  CHECK_EQ(quiz.line(kQuestionLabel), "");

  winetest::setContext("open");
  postCommand(quiz.main, kOpen);
  if (!chooseFile(quiz, "Open File:", -1, path)) return;
  CHECK(quiz.titleIs("drill.wdl - Verbolt'97"));
  CHECK(quiz.shows(kPointsLine, "Points 0 / 0 Selected 5 / 6"));
  CHECK(kDrillList.asks(quiz.line(kQuestionWord)));

  winetest::setContext("save as text");
  postCommand(quiz.main, kSaveAs);
  LRESULT preselected = -1;
  if (!chooseFile(quiz, "Save File:", 1, lists + "\\drill.txt", &preselected)) return;
  CHECK_EQ(preselected, 0);
  CHECK(waitFor([&] { return readFileBytes(lists + "\\drill.txt") == kDrillList.textFile(); }, "drill.txt as text"));
  CHECK(quiz.titleIs("drill.txt - Verbolt'97"));

  // A text document preselects the text entry; the first entry makes it a
  // word file again, header and marks included.
  winetest::setContext("save as word file");
  postCommand(quiz.main, kSaveAs);
  if (!chooseFile(quiz, "Save File:", 0, lists + "\\copy.wdl", &preselected)) return;
  CHECK_EQ(preselected, 1);
  CHECK(waitFor([&] { return readFileBytes(lists + "\\copy.wdl") == kDrillList.wordFile(); }, "copy.wdl as word file"));
  CHECK(quiz.titleIs("copy.wdl - Verbolt'97"));

  winetest::setContext("save");
  CHECK(DeleteFileA((lists + "\\copy.wdl").c_str()));
  CHECK(sendCommand(quiz.main, kSave));
  CHECK_EQ(readFileBytes(lists + "\\copy.wdl"), kDrillList.wordFile());
  CHECK(quiz.openDialog() == nullptr);
  CHECK_EQ(sendNumbers(quiz.main, DM_GETDEFID, 0, 0), MAKELONG(kCheck, DC_HASDEFID));
  CHECK(quiz.focusIn(quiz.main, kAnswerBox));

  // A text file opened as text: every pair marked, no language names.
  winetest::setContext("open text");
  postCommand(quiz.main, kOpen);
  if (!chooseFile(quiz, "Open File:", 1, lists + "\\drill.txt")) return;
  CHECK(quiz.titleIs("drill.txt - Verbolt'97"));
  CHECK(quiz.shows(kPointsLine, "Points 0 / 0 Selected 6 / 6"));
  CHECK_EQ(quiz.line(kQuestionLabel), "What is");
  CHECK_EQ(quiz.line(kSecondToFirst), " - ");

  // A word file read as OEM text is refused; the open list stays.
  winetest::setContext("open as oem text");
  postCommand(quiz.main, kOpen);
  if (!chooseFile(quiz, "Open File:", 2, path)) return;
  HWND error = quiz.dialog();
  if (!error) return;
  CHECK_EQ(text(error), "Error:");
  CHECK_EQ(messageBoxText(error), "Error to open file " + path + ": \nUnknown fileformat.");
  pressButton(error, IDOK);
  CHECK(quiz.program.waitForGone(error));
  CHECK(quiz.titleIs("drill.txt - Verbolt'97"));
  CHECK(quiz.shows(kPointsLine, "Points 0 / 0 Selected 6 / 6"));

  winetest::setContext("new");
  CHECK(sendCommand(quiz.main, kNew));
  CHECK(quiz.titleIs("untitled - Verbolt'97"));
  CHECK_EQ(quiz.line(kQuestionWord), "No selected words in wordlist.");
  CHECK_EQ(quiz.line(kPointsLine), "Points 0 / 0 Selected 0 / 0");
  CHECK_EQ(quiz.line(kSecondToFirst), " - ");
  CHECK(quiz.checked(kSecondToFirst));

  // Saving an untitled list asks for the name first.
  winetest::setContext("save untitled");
  postCommand(quiz.main, kSave);
  if (!chooseFile(quiz, "Save File:", -1, lists + "\\new.wdl")) return;
  ListFile fresh = kEmptyList;
  fresh.information = todaysInformation();
  CHECK(waitFor([&] { return readFileBytes(lists + "\\new.wdl") == fresh.wordFile(); }, "new.wdl as an empty word file"));
  CHECK(quiz.titleIs("new.wdl - Verbolt'97"));
  winetest::setContext("");
  CHECK_EQ(quiz.program.close(quiz.main), 0);
}

WINE_TEST(closingAChangedListAsksToSave) {
  std::string bin = quizProgramFolder("save prompt");
  std::string path = parentFolder(bin) + "\\lists\\drill.wdl";
  if (bin.empty() || !writeList(path, kDrillList)) return;

  winetest::setContext("cancel, then no");
  {
    Quiz quiz;
    if (!quiz.start(bin, parentFolder(bin) + "\\work", {path})) return;
    // Closing an unchanged list asks nothing; Ask Previous marks it changed.
    CHECK(quiz.toggleAskPrevious());
    HWND prompt = quiz.closeToPrompt();
    if (!prompt) return;
    CHECK_EQ(messageBoxText(prompt), "Save changes to file " + path + "?");
    pressButton(prompt, IDCANCEL);
    CHECK(quiz.program.waitForGone(prompt));
    CHECK(quiz.program.settle());
    CHECK(IsWindow(quiz.main));
    CHECK(quiz.program.running());
    prompt = quiz.closeToPrompt();
    if (!prompt) return;
    CHECK(writeFileBytes(path, kEmptyList.wordFile()));
    pressButton(prompt, IDNO);
    CHECK_EQ(quiz.program.waitForExit(), 0);
    CHECK_EQ(readFileBytes(path), kEmptyList.wordFile());
  }

  winetest::setContext("yes");
  {
    Quiz quiz;
    if (!writeList(path, kDrillList) || !quiz.start(bin, parentFolder(bin) + "\\work", {path})) return;
    CHECK(quiz.toggleAskPrevious());
    CHECK(writeFileBytes(path, kEmptyList.wordFile()));
    HWND prompt = quiz.closeToPrompt();
    if (!prompt) return;
    pressButton(prompt, IDYES);
    CHECK_EQ(quiz.program.waitForExit(), 0);
    CHECK_EQ(readFileBytes(path), kDrillList.wordFile());
  }

  // A failed save is reported and keeps the program and the changed flag.
  winetest::setContext("failed save");
  {
    Quiz quiz;
    if (!writeList(path, kDrillList) || !quiz.start(bin, parentFolder(bin) + "\\work", {path})) return;
    CHECK(quiz.toggleAskPrevious());
    CHECK(DeleteFileA(path.c_str()) && CreateDirectoryA(path.c_str(), nullptr));
    HWND prompt = quiz.closeToPrompt();
    if (!prompt) return;
    pressButton(prompt, IDYES);
    CHECK(quiz.program.waitForGone(prompt));
    HWND error = quiz.dialog();
    if (!error) return;
    CHECK_EQ(text(error), "Error:");
    CHECK_EQ(messageBoxText(error), "Cannot create file. Disk may be full?");
    pressButton(error, IDOK);
    CHECK(quiz.program.waitForGone(error));
    CHECK(quiz.program.settle());
    CHECK(IsWindow(quiz.main));
    prompt = quiz.closeToPrompt();
    if (!prompt) return;
    pressButton(prompt, IDNO);
    CHECK_EQ(quiz.program.waitForExit(), 0);
    CHECK(RemoveDirectoryA(path.c_str()));
  }

  // Yes on an untitled list asks for a name; cancelling that keeps the
  // program running.
  winetest::setContext("untitled");
  {
    Quiz quiz;
    if (!quiz.start(bin, parentFolder(bin) + "\\work", {})) return;
    CHECK(quiz.toggleAskPrevious());
    HWND prompt = quiz.closeToPrompt();
    if (!prompt) return;
    CHECK_EQ(messageBoxText(prompt), "Save changes to file?");
    pressButton(prompt, IDYES);
    CHECK(quiz.program.waitForGone(prompt));
    HWND fileDialog = quiz.dialog();
    if (!fileDialog) return;
    CHECK_EQ(text(fileDialog), "Save File:");
    pressButton(fileDialog, IDCANCEL);
    CHECK(quiz.program.waitForGone(fileDialog));
    CHECK(quiz.program.settle());
    CHECK(IsWindow(quiz.main));
    CHECK(quiz.openDialog() == nullptr);
    prompt = quiz.closeToPrompt();
    if (!prompt) return;
    pressButton(prompt, IDNO);
    CHECK_EQ(quiz.program.waitForExit(), 0);
  }
}


WINE_TEST(autosaveFilesAreWrittenKeptAfterACrashAndRestored) {
  std::string bin = quizProgramFolder("autosave");
  std::string root = parentFolder(bin);
  std::string path = root + "\\lists\\drill.wdl";
  if (bin.empty() || !writeList(path, kDrillList) || !setAutoSaveTime(3)) return;

  // With AutoSaveTime 3 the counter goes 0, 3 and the second tick writes.
  winetest::setContext("first instance");
  Quiz first;
  if (!first.start(bin, root + "\\work1", {path}, true)) return;
  DWORD started = GetTickCount();
  if (!waitFor([&] { return autosaveFiles(bin).size() == 1; }, "the first instance's autosave file", 15000)) return;
  CHECK(GetTickCount() - started >= 4500);
  std::string firstFile = autosaveFiles(bin)[0];
  CHECK(firstFile.size() > 15);
  CHECK(std::strtoul(firstFile.c_str() + 11, nullptr, 10) <= 0xFFFF);
  CHECK(waitFor([&] { return readFileBytes(bin + "\\" + firstFile) == kDrillList.wordFile(); },
                "the autosave file holding the list"));

  // A second instance knows the first one and leaves its file alone. Its
  // text document is autosaved as a word file and still saved as text.
  winetest::setContext("second instance");
  std::string textPath = root + "\\lists\\drill.txt";
  CHECK(writeFileBytes(textPath, kDrillList.textFile()));
  Quiz second;
  if (!second.start(bin, root + "\\work2", {textPath}, true)) return;
  if (!waitFor([&] { return autosaveFiles(bin).size() == 2; }, "the second instance's autosave file", 15000)) return;
  CHECK(second.openDialog() == nullptr);
  CHECK(fileExists(bin + "\\" + firstFile));
  std::string secondFile = autosaveFiles(bin)[0] == firstFile ? autosaveFiles(bin)[1] : autosaveFiles(bin)[0];
  ListFile asRead = {"", "", "", todaysInformation(), kDrillList.pairs};
  for (Pair& pair : asRead.pairs) pair.marked = true;
  CHECK(waitFor([&] { return readFileBytes(bin + "\\" + secondFile) == asRead.wordFile(); },
                "the text document's autosave file as a word file"));
  CHECK(DeleteFileA(textPath.c_str()));
  CHECK(sendCommand(second.main, kSave));
  CHECK_EQ(readFileBytes(textPath), kDrillList.textFile());
  CHECK(second.titleIs("drill.txt - Verbolt'97"));
  CHECK_EQ(second.program.close(second.main), 0);
  CHECK(autosaveFiles(bin) == std::vector<std::string>{firstFile});

  // A killed instance leaves its file, and the next start offers it.
  first.kill();
  CHECK(autosaveFiles(bin) == std::vector<std::string>{firstFile});
  WIN32_FILE_ATTRIBUTE_DATA attributes;
  CHECK(GetFileAttributesExA((bin + "\\" + firstFile).c_str(), GetFileExInfoStandard, &attributes));
  FILETIME local;
  SYSTEMTIME created;
  FileTimeToLocalFileTime(&attributes.ftCreationTime, &local);
  FileTimeToSystemTime(&local, &created);
  char expected[200];
  wsprintfA(expected, "Autosavefile was found. Date: %d.%d.%d Time: %d.%d. Do you want restore it?", created.wDay,
            created.wMonth, created.wYear, created.wHour, created.wMinute);

  winetest::setContext("restoring instance");
  Quiz third;
  if (!third.start(bin, root + "\\work3", {}, true)) return;
  HWND offer = third.dialog();
  if (!offer) return;
  CHECK_EQ(text(offer), "AutoSave");
  CHECK_EQ(messageBoxText(offer), expected);
  pressButton(offer, IDYES);
  CHECK(third.program.waitForGone(offer));
  CHECK(waitFor([&] { return text(third.main) == "restored file - Verbolt'97"; }, "the restored title"));
  CHECK(third.shows(kPointsLine, "Points 0 / 0 Selected 5 / 6"));
  CHECK(kDrillList.asks(third.line(kQuestionWord)));
  CHECK_EQ(third.line(kSecondToFirst), "Finnish - English");
  // The restored list exists nowhere else: it is untitled and counts as
  // changed, and its file stays until the instance's own autosave replaced
  // it. Save asks for a name and refreshes the title.
  CHECK(fileExists(bin + "\\" + firstFile));
  postCommand(third.main, kSave);
  HWND saveDialog = third.dialog();
  if (!saveDialog) return;
  CHECK_EQ(text(saveDialog), "Save File:");
  pressButton(saveDialog, IDCANCEL);
  CHECK(third.program.waitForGone(saveDialog));
  CHECK(third.titleIs("untitled - Verbolt'97"));
  HWND prompt = third.closeToPrompt();
  if (!prompt) return;
  pressButton(prompt, IDCANCEL);
  CHECK(third.program.waitForGone(prompt));
  CHECK(waitFor([&] { return autosaveFiles(bin).size() == 1 && autosaveFiles(bin)[0] != firstFile; },
                "the own autosave file in place of the restored one", 15000));
  prompt = third.closeToPrompt();
  if (!prompt) return;
  pressButton(prompt, IDNO);
  CHECK_EQ(third.program.waitForExit(), 0);
  CHECK(autosaveFiles(bin).empty());

  // A restored file that cannot be read is reported and kept for a later
  // attempt.
  winetest::setContext("unreadable");
  CHECK(writeFileBytes(bin + "\\wdlAutoSave9.wdl", "\xFE\xFE"));
  Quiz unreadable;
  if (!unreadable.start(bin, root + "\\work5", {}, true)) return;
  offer = unreadable.dialog();
  if (!offer) return;
  pressButton(offer, IDYES);
  HWND error = unreadable.program.waitForDialog(offer);
  if (!error || error == unreadable.main) return;
  CHECK_EQ(text(error), "Error:");
  CHECK_EQ(messageBoxText(error), "Error to open file " + bin + "\\wdlAutoSave9.wdl: \nInvalid file.");
  pressButton(error, IDOK);
  CHECK(unreadable.program.waitForGone(error));
  CHECK(unreadable.titleIs("untitled - Verbolt'97"));
  CHECK_EQ(unreadable.program.close(unreadable.main), 0);
  CHECK(autosaveFiles(bin) == std::vector<std::string>{"wdlAutoSave9.wdl"});
  CHECK(DeleteFileA((bin + "\\wdlAutoSave9.wdl").c_str()));

  // A declined file is deleted and the list stays untitled and empty.
  winetest::setContext("declined");
  CHECK(writeList(bin + "\\wdlAutoSave7.wdl", kSharedQuestionList));
  Quiz fourth;
  if (!fourth.start(bin, root + "\\work4", {}, true)) return;
  offer = fourth.dialog();
  if (!offer) return;
  CHECK_EQ(text(offer), "AutoSave");
  pressButton(offer, IDNO);
  CHECK(fourth.program.waitForGone(offer));
  CHECK(waitFor([&] { return autosaveFiles(bin).empty(); }, "the declined autosave file to be deleted"));
  CHECK(fourth.program.settle());
  CHECK(fourth.openDialog() == nullptr);
  CHECK(fourth.titleIs("untitled - Verbolt'97"));
  CHECK_EQ(fourth.line(kPointsLine), "Points 0 / 0 Selected 0 / 0");
  CHECK_EQ(fourth.program.close(fourth.main), 0);

  // After a declined file the next one is offered; one restore per start.
  winetest::setContext("three left over");
  for (const char* name : {"\\wdlAutoSave6.wdl", "\\wdlAutoSave7.wdl", "\\wdlAutoSave8.wdl"})
    CHECK(writeList(bin + name, kSharedQuestionList));
  Quiz fifth;
  if (!fifth.start(bin, root + "\\work6", {}, true)) return;
  offer = fifth.dialog();
  if (!offer) return;
  pressButton(offer, IDNO);
  CHECK(fifth.program.waitForGone(offer));
  CHECK(waitFor([&] { return autosaveFiles(bin).size() == 2; }, "the declined file to be deleted"));
  offer = fifth.dialog();
  if (!offer) return;
  CHECK_EQ(text(offer), "AutoSave");
  pressButton(offer, IDYES);
  CHECK(fifth.program.waitForGone(offer));
  CHECK(fifth.shows(kPointsLine, "Points 0 / 0 Selected 2 / 3"));
  CHECK(fifth.program.settle());
  CHECK(fifth.openDialog() == nullptr);
  CHECK_EQ(autosaveFiles(bin).size(), 2u);
  // Declining to save the restored list lets its file go.
  prompt = fifth.closeToPrompt();
  if (!prompt) return;
  pressButton(prompt, IDNO);
  CHECK_EQ(fifth.program.waitForExit(), 0);
  CHECK_EQ(autosaveFiles(bin).size(), 1u);
}

// The width is limited, kept at exit and used at the next start; the height
// is fixed.
WINE_TEST(mainWindowWidthIsLimitedAndKept) {
  std::string bin = quizProgramFolder("width");
  if (bin.empty()) return;
  std::string work = parentFolder(bin) + "\\work";
  Quiz quiz;
  if (!quiz.start(bin, work, {})) return;
  RECT outer;
  GetWindowRect(quiz.main, &outer);
  CHECK_EQ(outer.right - outer.left, 440);
  const int height = outer.bottom - outer.top;
  const struct {
    int asked, width;
  } cases[] = {{100, 268}, {500, 500}};
  for (const auto& c : cases) {
    winetest::setContext("width " + std::to_string(c.asked));
    SetWindowPos(quiz.main, nullptr, 0, 0, c.asked, height + 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CHECK(quiz.program.settle());
    GetWindowRect(quiz.main, &outer);
    CHECK_EQ(outer.right - outer.left, c.width);
    CHECK_EQ(outer.bottom - outer.top, height);
    // The buttons follow the right edge.
    RECT client, button;
    GetClientRect(quiz.main, &client);
    GetWindowRect(quiz.item(kCheck), &button);
    MapWindowPoints(nullptr, quiz.main, reinterpret_cast<POINT*>(&button), 2);
    CHECK_EQ(button.left, client.right - 135);
    RECT separator;
    GetWindowRect(GetDlgItem(quiz.main, -1), &separator);
    CHECK_EQ(separator.right - separator.left, client.right - 10);
  }
  // Closed while minimised, it keeps the normal window's width.
  winetest::setContext("minimised");
  PostMessageA(quiz.main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  CHECK(waitFor([&] { return IsIconic(quiz.main) != FALSE; }, "the window minimised"));
  winetest::setContext("");
  CHECK_EQ(quiz.program.close(quiz.main), 0);
  checkNumber("\\Settings", "Main Width", 500);
  Quiz again;
  if (!again.start(bin, work, {}, true)) return;
  GetWindowRect(again.main, &outer);
  CHECK_EQ(outer.right - outer.left, 500);
  CHECK_EQ(again.program.close(again.main), 0);
}
