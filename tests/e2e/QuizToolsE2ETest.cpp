// End-to-end tests of the quiz program's test window and of combining word
// files: a copy of Verbolt.exe runs in its own process and folder, driven
// only through its windows, its keys and window messages.
#include <windows.h>

#include <commctrl.h>

#include <set>
#include <string>
#include <vector>

#include "resources/QuizResourceIds.h"
#include "tests/e2e/QuizFixture.h"
#include "tests/e2e/QuizSession.h"
#include "tests/e2e/WindowAccess.h"
#include "tests/wine/WineTest.h"

using namespace e2e;

namespace {

const WordFileBytes kNine = {"English", "Finnish", "Tester", "Nine pairs",
                             {{"cat", "kissa", true}, {"dog", "koira", false}, {"water", "vesi", true},
                              {"bread", "leipa", true}, {"window", "ikkuna", false}, {"fish", "kala", true},
                              {"house", "talo", true}, {"tree", "puu", false}, {"moon", "kuu", true}}};

std::string upperFirst(std::string word) {
  word[0] = static_cast<char>(word[0] - 'a' + 'A');
  return word;
}

struct ClassCount {
  DWORD process;
  const char* className;
  int count;
};

BOOL CALLBACK countWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<ClassCount*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->process && className(window) == search->className) ++search->count;
  return TRUE;
}

int windowsOfClass(const TargetProgram& program, const char* name) {
  ClassCount search = {program.processId(), name, 0};
  EnumWindows(countWindow, reinterpret_cast<LPARAM>(&search));
  return search.count;
}

DWORD storedTestWidth() {
  DWORD width = 0, size = sizeof width;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Quorvel\\Verbolt'97\\Settings", 0, KEY_READ, &key) != ERROR_SUCCESS)
    return 0;
  RegQueryValueExA(key, "Test Width", nullptr, nullptr, reinterpret_cast<BYTE*>(&width), &size);
  RegCloseKey(key);
  return width;
}

// Types the answer to the question shown and presses Enter.
bool typeAnswer(QuizSession& quiz, HWND test, const std::string& answer) {
  return quiz.focusIn(test, IDC_TEST_ANSWER) && quiz.program.typeText(answer) && quiz.program.pressKey(VK_RETURN);
}

void startTest(HWND test, const std::string& firstCount, const std::string& secondCount) {
  setText(control(test, IDC_TEST_FIRST_COUNT), firstCount);
  setText(control(test, IDC_TEST_SECOND_COUNT), secondCount);
  postCommand(test, IDC_TEST_START);
}

// The grid's rows from the first on, as questions.
std::vector<std::string> gridQuestions(HWND grid) {
  std::vector<std::string> questions;
  for (int i = 0; i < 18; ++i) questions.push_back(text(control(grid, IDC_GRID_QUESTION + i)));
  return questions;
}

// Nine of nine in both directions: every pair is asked once in each, the
// grade is "10 " and the grid shows every answer under its heading.
void askEveryPairTwice(QuizSession& quiz, HWND test) {
  startTest(test, "9", "9");
  std::set<std::string> asked;
  for (int i = 0; i < 18; ++i) {
    bool second = i >= 9;
    if (!quiz.shows(test, IDC_TEST_STATUS, std::to_string(i % 9 + 1) + " / 9")) return;
    std::string question = text(control(test, IDC_TEST_QUESTION_WORD));
    const PairBytes* pair = second ? kNine.withSecond(question) : kNine.withFirst(question);
    CHECK(pair != nullptr);
    if (!pair) return;
    asked.insert(question);
    setText(control(test, IDC_TEST_ANSWER), upperFirst(second ? pair->first : pair->second));
    postCommand(test, IDC_TEST_START);
  }
  CHECK_EQ(asked.size(), 18u);
  if (!quiz.answer(test, "Points:", "Right answers: 18 / 18. Number 10 . Do you want see answers?", IDYES)) return;
  HWND grid = quiz.window("Words:", "#32770", test);
  if (!grid) return;
  const int headings[] = {0, 10};
  const char* const languages[][2] = {{"English", "Finnish"}, {"Finnish", "English"}};
  for (int h = 0; h < 2; ++h) {
    int row = headings[h];
    CHECK_EQ(text(control(grid, IDC_GRID_QUESTION + row)), "Question (" + std::string(languages[h][0]) + "):");
    CHECK_EQ(text(control(grid, IDC_GRID_TYPED + row)), "Your Answer (" + std::string(languages[h][1]) + "):");
    CHECK_EQ(text(control(grid, IDC_GRID_RIGHT + row)), "Right Answer (" + std::string(languages[h][1]) + "):");
  }
  for (int row = 1; row < 18; ++row) {
    if (row == 10) continue;
    const PairBytes* pair = row < 10 ? kNine.withFirst(text(control(grid, IDC_GRID_QUESTION + row)))
                                     : kNine.withSecond(text(control(grid, IDC_GRID_QUESTION + row)));
    CHECK(pair != nullptr);
    if (!pair) continue;
    std::string right = row < 10 ? pair->second : pair->first;
    CHECK_EQ(text(control(grid, IDC_GRID_TYPED + row)), upperFirst(right));
    CHECK_EQ(text(control(grid, IDC_GRID_RIGHT + row)), right);
  }
  // The rows cannot be changed; 20 entries scroll by two rows at most.
  std::vector<std::string> top = gridQuestions(grid);
  setText(control(grid, IDC_GRID_QUESTION + 1), "changed");
  CHECK(quiz.shows(grid, IDC_GRID_QUESTION + 1, top[1]));
  HWND bar = control(grid, IDC_GRID_SCROLL);
  CHECK(IsWindowEnabled(bar));
  sendNumbers(grid, WM_VSCROLL, SB_BOTTOM, reinterpret_cast<LPARAM>(bar));
  CHECK(quiz.shows(grid, IDC_GRID_QUESTION, top[2]));
  CHECK(kNine.withSecond(text(control(grid, IDC_GRID_QUESTION + 17))) != nullptr);
  sendNumbers(grid, WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(bar));
  CHECK(quiz.shows(grid, IDC_GRID_QUESTION, top[1]));
  pressButton(grid, IDC_GRID_OK);
  quiz.program.waitForGone(grid);
}

const WordFileBytes kFirst = {"English", "Finnish", "Anna", "Five pairs\r\nof the first file",
                              {{"cat", "kissa", true}, {"dog", "koira", false}, {"water", "vesi", true},
                               {"bread", "leipa", true}, {"fish", "kala", true}}};
const std::vector<PairBytes> kThree = {{"talo", "house", true}, {"puu", "tree", false}, {"kuu", "moon", true}};

WordFileBytes listOf(const char* firstLanguage, const char* secondLanguage) {
  return {firstLanguage, secondLanguage, "Ben", "", kThree};
}

// The file that combining first with second gives under first's header with
// author instead of its own.
std::string combined(const WordFileBytes& first, const WordFileBytes& second, bool exchanged,
                     const std::string& author) {
  WordFileBytes result = first;
  result.author = author;
  for (PairBytes pair : second.pairs) {
    if (exchanged) std::swap(pair.first, pair.second);
    result.pairs.push_back(pair);
  }
  return result.bytes();
}

// Names the files, which fills the header from the first, sets the author
// when one is given and presses Combine.
void combine(HWND dialog, const std::string& first, const std::string& second, const std::string& destination,
             const std::string& author = "") {
  setText(control(dialog, IDC_COMBINE_FIRST), first);
  setText(control(dialog, IDC_COMBINE_SECOND), second);
  setText(control(dialog, IDC_COMBINE_DESTINATION), destination);
  if (!author.empty()) setText(control(dialog, IDC_COMBINE_AUTHOR), author);
  postCommand(dialog, IDC_COMBINE_COMBINE);
}

bool combined(QuizSession& quiz, HWND dialog) {
  return quiz.answer(dialog, "OK", "File Combining made successfully.", IDOK);
}

bool failed(QuizSession& quiz, HWND dialog, const std::string& message) {
  return quiz.answer(dialog, "Error:", message, IDOK) &&
         quiz.answer(dialog, "Error:", "Error to combine files.", IDOK);
}

const char kAskNormal[] = "There aren't used same languages in files. Do you want use normal order?";
const char kAskReversible[] = "There aren't used same languages in files. Do you want use reversible order?";

}  // namespace

WINE_TEST(testWindowAsksTheCountsChosenAndGradesTheAnswers) {
  std::string bin = quizProgramFolder("test window");
  std::string path = parentFolder(bin) + "\\nine.wdl";
  if (bin.empty() || !writeFileBytes(path, kNine.bytes())) return;
  QuizSession quiz;
  if (!quiz.start(bin, parentFolder(bin) + "\\work", {path})) return;
  postCommand(quiz.main, IDM_QUIZ_TESTS);
  HWND test = quiz.window("Test", "WDLTEST", quiz.main);
  if (!test) return;

  winetest::setContext("setup");
  CHECK_EQ(text(control(test, IDC_TEST_STATUS)), "Words in use: 9");
  CHECK_EQ(text(control(test, IDC_TEST_FIRST_LABEL)), "Words: English - Finnish");
  CHECK_EQ(text(control(test, IDC_TEST_SECOND_LABEL)), "Words: Finnish - English");
  CHECK_EQ(text(control(test, IDC_TEST_FIRST_COUNT)), "0");
  CHECK_EQ(sendNumbers(control(test, IDC_TEST_SECOND_SPIN), UDM_GETRANGE, 0, 0), MAKELONG(9, 0));
  CHECK_EQ(sendNumbers(control(test, IDC_TEST_GIVE_NUMBER), BM_GETCHECK, 0, 0), BST_CHECKED);
  CHECK(quiz.focusIn(test, IDC_TEST_FIRST_COUNT));

  // The main window refuses to replace the list; Tests activates the open
  // test window.
  winetest::setContext("refusals");
  for (int command : {IDM_QUIZ_NEW, IDC_QUIZ_OPEN}) {
    postCommand(quiz.main, command);
    if (!quiz.answer(quiz.main, "Error:", "Not valid command when Test-dialog is open. Close Test-dialog.", IDOK))
      return;
  }
  postCommand(quiz.main, IDM_QUIZ_TESTS);
  CHECK(quiz.program.settle());
  CHECK_EQ(windowsOfClass(quiz.program, "WDLTEST"), 1);

  // Counts 0 and 0 only put the focus in the first count; Tab and Enter
  // arrive through the window's own keys.
  winetest::setContext("nothing asked");
  CHECK(quiz.focusIn(test, IDC_TEST_FIRST_COUNT));
  quiz.program.pressKey(VK_TAB);
  CHECK(quiz.focusIn(test, IDC_TEST_SECOND_COUNT));
  quiz.program.pressKey(VK_RETURN);
  CHECK(quiz.focusIn(test, IDC_TEST_FIRST_COUNT));
  CHECK_EQ(text(control(test, IDC_TEST_START)), "&Start");

  winetest::setContext("not enough");
  startTest(test, "10", "0");
  if (!quiz.answer(test, "Error:", "There are not enought words in wordlist.", IDOK)) return;
  CHECK(quiz.focusIn(test, IDC_TEST_FIRST_COUNT));

  // A negative first count asks only the second direction. An answer that
  // differs in case is right, one with a trailing space wrong.
  winetest::setContext("second direction only");
  sendNumbers(control(test, IDC_TEST_GIVE_NUMBER), BM_CLICK, 0, 0);
  startTest(test, "-2", "3");
  if (!quiz.shows(test, IDC_TEST_STATUS, "1 / 3")) return;
  CHECK_EQ(text(control(test, IDC_TEST_START)), "&Next");
  CHECK_EQ(text(control(test, IDC_TEST_QUESTION_LABEL)), "What is");
  CHECK(IsWindowEnabled(control(test, IDC_TEST_CHARACTER)));
  for (int i = 0; i < 3; ++i) {
    const PairBytes* pair = kNine.withSecond(text(control(test, IDC_TEST_QUESTION_WORD)));
    CHECK(pair != nullptr);
    if (!pair) return;
    const std::string answers[] = {upperFirst(pair->first), pair->first + " ", "wrong"};
    if (!typeAnswer(quiz, test, answers[i])) return;
    if (i < 2 && !quiz.shows(test, IDC_TEST_STATUS, std::to_string(i + 2) + " / 3")) return;
  }
  if (!quiz.answer(test, "Points:", "Right answers: 1 / 3. Do you want see answers?", IDNO)) return;
  CHECK(quiz.shows(test, IDC_TEST_START, "&Start"));
  CHECK_EQ(text(control(test, IDC_TEST_SECOND_COUNT)), "0");
  CHECK_EQ(sendNumbers(control(test, IDC_TEST_GIVE_NUMBER), BM_GETCHECK, 0, 0), BST_CHECKED);

  winetest::setContext("cancel");
  startTest(test, "2", "0");
  if (!quiz.shows(test, IDC_TEST_STATUS, "1 / 2") || !quiz.focusIn(test, IDC_TEST_ANSWER)) return;
  quiz.program.pressKey(VK_ESCAPE);
  CHECK(quiz.shows(test, IDC_TEST_START, "&Start"));
  CHECK_EQ(text(control(test, IDC_TEST_FIRST_COUNT)), "0");

  winetest::setContext("every pair");
  askEveryPairTwice(quiz, test);
  CHECK(quiz.shows(test, IDC_TEST_START, "&Start"));

  // The height is fixed (a caption, a menu bar, the sizing frame and 120),
  // the buttons follow the right edge, and the width is kept for the next
  // test.
  winetest::setContext("size");
  RECT frame = {0, 0, 0, 120};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(test, GWL_STYLE)), TRUE,
                     static_cast<DWORD>(GetWindowLongA(test, GWL_EXSTYLE)));
  const int height = frame.bottom - frame.top;
  for (int width : {100, 400}) {
    SetWindowPos(test, nullptr, 0, 0, width, height + 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CHECK(quiz.program.settle());
    RECT outer, client, button;
    GetWindowRect(test, &outer);
    CHECK_EQ(outer.right - outer.left, width < 270 ? 270 : width);
    CHECK_EQ(outer.bottom - outer.top, height);
    GetClientRect(test, &client);
    GetWindowRect(control(test, IDC_TEST_CANCEL), &button);
    MapWindowPoints(nullptr, test, reinterpret_cast<POINT*>(&button), 2);
    CHECK_EQ(button.left, client.right - 94);
  }
  CHECK(quiz.focusIn(test, IDC_TEST_FIRST_COUNT));
  quiz.program.pressKey(VK_ESCAPE);
  CHECK(quiz.program.waitForGone(test));
  CHECK_EQ(storedTestWidth(), 400u);

  // The main window's closing sequence closes an open test window.
  winetest::setContext("closing");
  postCommand(quiz.main, IDM_QUIZ_TESTS);
  test = quiz.window("Test", "WDLTEST", quiz.main);
  if (!test) return;
  RECT outer;
  GetWindowRect(test, &outer);
  CHECK_EQ(outer.right - outer.left, 400);
  CHECK_EQ(quiz.program.close(quiz.main), 0);
}

WINE_TEST(combiningJoinsTwoWordFilesInTheOrderChosen) {
  std::string bin = quizProgramFolder("combine");
  std::string lists = parentFolder(bin) + "\\lists";
  CreateDirectoryA(lists.c_str(), nullptr);
  const std::string first = lists + "\\first.wdl", same = lists + "\\same.wdl", crossed = lists + "\\crossed.wdl",
                    other = lists + "\\swedish.wdl", half = lists + "\\half.wdl", damaged = lists + "\\damaged.wdl",
                    result = lists + "\\result.wdl";
  if (bin.empty() || !writeFileBytes(first, kFirst.bytes()) || !writeFileBytes(same, listOf("english", "FINNISH").bytes()) ||
      !writeFileBytes(crossed, listOf("Finnish", "English").bytes()) ||
      !writeFileBytes(other, listOf("English", "Swedish").bytes()) || !writeFileBytes(half, listOf("Swedish", "English").bytes()) ||
      !writeFileBytes(damaged, kFirst.bytes().substr(0, 60) + "\x02\x03x\x03\x01\x03\x02") ||
      !writeFileBytes(lists + "\\old.qzl", "\"Wdl11\",0,\"a\",\"b\",\"c\",\"d\"\n"))
    return;
  QuizSession quiz;
  if (!quiz.start(bin, parentFolder(bin) + "\\work", {})) return;
  postCommand(quiz.main, IDM_QUIZ_COMBINE_FILES);
  HWND dialog = quiz.window("Combine Files", "#32770", quiz.main);
  if (!dialog) return;

  winetest::setContext("opening");
  CHECK_EQ(sendNumbers(control(dialog, IDC_COMBINE_AUTOMATIC), BM_GETCHECK, 0, 0), BST_CHECKED);
  CHECK_EQ(sendNumbers(control(dialog, IDC_COMBINE_NEW_DESTINATION), BM_GETCHECK, 0, 0), BST_CHECKED);
  CHECK_EQ(text(control(dialog, IDC_COMBINE_FIRST_GROUP)), "First file:");
  CHECK_EQ(sendNumbers(control(dialog, IDC_COMBINE_SECOND_LANGUAGE), CB_GETCOUNT, 0, 0), 10);
  setText(control(dialog, IDC_COMBINE_FIRST), lists + "\\old.qzl");
  CHECK(quiz.shows(dialog, IDC_COMBINE_FIRST_INFO,
                   "Info:\nError: Cannot use qzl-files. You have to convert it to wdl-file."));
  setText(control(dialog, IDC_COMBINE_FIRST), first);
  CHECK(quiz.shows(dialog, IDC_COMBINE_FIRST_INFO,
                   "Info:\n1st Language: English\n2nd Language: Finnish\nAuthor: Anna\nWords: 5"));
  CHECK_EQ(text(control(dialog, IDC_COMBINE_FIRST_LANGUAGE)), "English");
  CHECK_EQ(text(control(dialog, IDC_COMBINE_SECOND_LANGUAGE)), "Finnish");
  CHECK_EQ(text(control(dialog, IDC_COMBINE_INFORMATION)), kFirst.information);

  // Languages equal without regard to case keep the order without a
  // question; crosswise ones exchange the words and keep the marks. The
  // header is what the fields say.
  winetest::setContext("automatic");
  combine(dialog, first, same, result);
  if (!combined(quiz, dialog)) return;
  CHECK_EQ(readFileBytes(result), combined(kFirst, listOf("english", "FINNISH"), false, "Anna"));
  combine(dialog, first, crossed, result, "Someone else");
  if (!combined(quiz, dialog)) return;
  CHECK_EQ(readFileBytes(result), combined(kFirst, listOf("Finnish", "English"), true, "Someone else"));

  // Without a crosswise match Yes keeps the order and No exchanges; with
  // one, Yes exchanges. Cancel stops without a word.
  winetest::setContext("questions");
  const struct {
    std::string second;
    const char* question;
    int button;
    bool exchanged;
  } questions[] = {{other, kAskNormal, IDYES, false}, {other, kAskNormal, IDNO, true},
                   {half, kAskReversible, IDYES, true}, {half, kAskReversible, IDNO, false}};
  for (const auto& q : questions) {
    DeleteFileA(result.c_str());
    combine(dialog, first, q.second, result);
    if (!quiz.answer(dialog, "Automatic Order", q.question, q.button) || !combined(quiz, dialog)) return;
    WordFileBytes second = q.second == other ? listOf("English", "Swedish") : listOf("Swedish", "English");
    CHECK_EQ(readFileBytes(result), combined(kFirst, second, q.exchanged, "Anna"));
  }
  DeleteFileA(result.c_str());
  combine(dialog, first, other, result);
  if (!quiz.answer(dialog, "Automatic Order", kAskNormal, IDCANCEL)) return;
  CHECK(quiz.program.settle());
  CHECK(GetFileAttributesA(result.c_str()) == INVALID_FILE_ATTRIBUTES);

  winetest::setContext("errors");
  combine(dialog, first, "..\\lists\\FIRST.wdl", result);
  if (!quiz.answer(dialog, "Error:", "First and second files are same.", IDOK)) return;
  combine(dialog, first, same, "");
  if (!quiz.answer(dialog, "Error:", "Filename area is empty.", IDOK)) return;
  combine(dialog, first, damaged, result);
  if (!failed(quiz, dialog, "Second source file is unknown.")) return;
  combine(dialog, damaged, first, result);
  if (!failed(quiz, dialog, "First source file is unknown.")) return;

  // Without a new destination the result replaces the first file; a failed
  // replacement leaves it as it was.
  winetest::setContext("into the first file");
  sendNumbers(control(dialog, IDC_COMBINE_NEW_DESTINATION), BM_CLICK, 0, 0);
  CHECK(quiz.shows(dialog, IDC_COMBINE_FIRST_GROUP, "First file / destination:"));
  CHECK(!IsWindowEnabled(control(dialog, IDC_COMBINE_DESTINATION)));
  HANDLE held = CreateFileA(first.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  combine(dialog, first, same, "");
  bool reported = failed(quiz, dialog, "Cannot create destination file. Disk may be full?");
  CloseHandle(held);
  if (!reported) return;
  CHECK_EQ(readFileBytes(first), kFirst.bytes());
  postCommand(dialog, IDC_COMBINE_COMBINE);
  if (!combined(quiz, dialog)) return;
  CHECK_EQ(readFileBytes(first), combined(kFirst, listOf("english", "FINNISH"), false, "Anna"));
  CHECK(quiz.shows(dialog, IDC_COMBINE_FIRST_INFO,
                   "Info:\n1st Language: English\n2nd Language: Finnish\nAuthor: Anna\nWords: 8"));
  pressButton(dialog, IDC_COMBINE_CLOSE);
  CHECK(quiz.program.waitForGone(dialog));
  CHECK_EQ(quiz.program.close(quiz.main), 0);
}
