// End-to-end tests of typing word lists and managing their files: Add Words
// from the quiz window, the Character dialog for the word edits and the
// answer boxes, Properties, and the Manage Files commands with their Input
// dialog. A copy of Verbolt.exe runs in its own process and folder.
#include <windows.h>

#include <string>

#include "resources/QuizResourceIds.h"
#include "tests/e2e/QuizFixture.h"
#include "tests/e2e/QuizSession.h"
#include "tests/e2e/WindowAccess.h"
#include "tests/wine/WineTest.h"
#include "wordlist/WordFileLayout.h"

using namespace e2e;

namespace {

const unsigned char kAUmlaut = 0xE4;
const unsigned char kOUmlaut = 0xF6;
const char kRefused[] = "Not valid command when Test-dialog is open. Close Test-dialog.";

const WordFileBytes kList = {"English", "Finnish", "Tester", "Two pairs", {{"cat", "kissa", true}, {"dog", "koira", true}}};

bool titled(QuizSession& quiz, const std::string& file) {
  std::string expected = file + " - Verbolt'97";
  if (waitFor([&] { return text(quiz.main) == expected; }, "the title \"" + expected + "\"")) return true;
  CHECK_EQ(text(quiz.main), expected);
  return false;
}

// The name as the folder stores it, or empty when there is no such file. A
// search for the name itself would answer it in the case asked for.
std::string storedName(std::string path) {
  path.back() = '?';
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(path.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return std::string();
  FindClose(find);
  return data.cFileName;
}

// Runs a Rename, Move or Copy command: checks the Input dialog's offer, gives
// name and presses OK (or Cancel).
bool nameFile(QuizSession& quiz, int command, const std::string& title, const std::string& offered,
              const std::string& name, int button = IDC_INPUT_OK) {
  postCommand(quiz.main, command);
  HWND input = quiz.window(title, "#32770", quiz.main);
  if (!input) return false;
  CHECK_EQ(text(control(input, IDC_INPUT_PROMPT)), "Write new filename:");
  CHECK_EQ(text(control(input, IDC_INPUT_VALUE)), offered);
  CHECK_EQ(IsWindowVisible(control(input, IDC_INPUT_GET)) != 0, command != IDM_QUIZ_RENAME_FILE);
  setText(control(input, IDC_INPUT_VALUE), name);
  pressButton(input, button);
  return quiz.program.waitForGone(input);
}

HWND openAddWords(QuizSession& quiz) {
  postCommand(quiz.main, IDM_QUIZ_ADD_WORDS);
  HWND dialog = quiz.window("Add Words", "#32770", quiz.main);
  return dialog && quiz.focusIn(dialog, IDC_WORDS_FIRST) ? dialog : nullptr;
}

bool addPair(QuizSession& quiz, HWND dialog, const std::string& first, const std::string& second) {
  setText(control(dialog, IDC_WORDS_FIRST), first);
  setText(control(dialog, IDC_WORDS_SECOND), second);
  pressButton(dialog, IDC_ADD_WORDS_ADD);
  return quiz.shows(dialog, IDC_WORDS_FIRST, "") && quiz.focusIn(dialog, IDC_WORDS_FIRST);
}

HWND characterDialog(QuizSession& quiz) { return quiz.window("Character", "#32770", nullptr); }

// Starts a test of one question.
bool startTest(QuizSession& quiz, HWND test) {
  setText(control(test, IDC_TEST_FIRST_COUNT), "1");
  postCommand(test, IDC_TEST_START);
  return quiz.focusIn(test, IDC_TEST_ANSWER);
}

}  // namespace

WINE_TEST(aNewListIsTypedPairByPairWithCharactersAndLanguages) {
  std::string bin = quizProgramFolder("typing");
  QuizSession quiz;
  if (!quiz.start(bin, parentFolder(bin) + "\\work", {})) return;
  HWND dialog = openAddWords(quiz);
  if (!dialog) return;

  // Enter presses Add; an empty word only takes the focus.
  winetest::setContext("empty words");
  setText(control(dialog, IDC_WORDS_FIRST), "house");
  quiz.program.pressKey(VK_RETURN);
  CHECK(quiz.focusIn(dialog, IDC_WORDS_SECOND));
  CHECK_EQ(text(control(dialog, IDC_WORDS_FIRST)), "house");
  quiz.program.typeText("talo");
  quiz.program.pressKey(VK_RETURN);
  CHECK(quiz.shows(dialog, IDC_WORDS_FIRST, ""));
  CHECK(quiz.focusIn(dialog, IDC_WORDS_FIRST));
  CHECK_EQ(text(control(dialog, IDC_WORDS_SECOND)), "");
  CHECK(addPair(quiz, dialog, "tree", "puu"));

  // The character goes to the end of the focused second word, whatever the
  // caret's place.
  winetest::setContext("character");
  setText(control(dialog, IDC_WORDS_FIRST), "night");
  setText(control(dialog, IDC_WORDS_SECOND), "yo");
  quiz.program.pressKey(VK_TAB);
  if (!quiz.focusIn(dialog, IDC_WORDS_SECOND)) return;
  sendNumbers(control(dialog, IDC_WORDS_SECOND), EM_SETSEL, 1, 1);
  postCommand(dialog, IDC_WORDS_CHARACTER);
  HWND character = characterDialog(quiz);
  if (!character || !quiz.chooseCharacter(character, kAUmlaut)) return;
  CHECK(quiz.shows(dialog, IDC_WORDS_SECOND, "yo\xE4"));
  CHECK(quiz.focusIn(dialog, IDC_WORDS_SECOND));
  CHECK_EQ(text(control(dialog, IDC_WORDS_FIRST)), "night");
  pressButton(dialog, IDC_ADD_WORDS_ADD);
  CHECK(quiz.shows(dialog, IDC_WORDS_SECOND, ""));
  // Cancel closes the Character dialog too.
  pressButton(dialog, IDC_ADD_WORDS_CANCEL);
  CHECK(quiz.program.waitForGone(dialog) && quiz.program.waitForGone(character));

  winetest::setContext("drill");
  CHECK(quiz.shows(quiz.main, IDC_QUIZ_POINTS, "Points 0 / 0 Selected 3 / 3"));
  std::string question = text(control(quiz.main, IDC_QUIZ_QUESTION_WORD));
  const char* answers[][2] = {{"talo", "house"}, {"puu", "tree"}, {"yo\xE4", "night"}};
  std::string answer;
  for (auto& pair : answers)
    if (question == pair[0]) answer = pair[1];
  CHECK(!answer.empty());
  quiz.program.typeText(answer);
  quiz.program.pressKey(VK_RETURN);
  CHECK(quiz.shows(quiz.main, IDC_QUIZ_POINTS, "Points 1 / 1 Selected 3 / 3"));

  // A language typed and one chosen from the list; the question follows.
  winetest::setContext("properties");
  postCommand(quiz.main, IDM_QUIZ_PROPERTIES);
  HWND properties = quiz.window("Properties", "#32770", quiz.main);
  if (!properties) return;
  HWND first = control(properties, IDC_PROPERTIES_FIRST_LANGUAGE);
  HWND second = control(properties, IDC_PROPERTIES_SECOND_LANGUAGE);
  CHECK_EQ(sendNumbers(second, CB_GETCOUNT, 0, 0), 10);
  setText(FindWindowExA(first, nullptr, "Edit", nullptr), "English");
  sendNumbers(second, CB_SHOWDROPDOWN, TRUE, 0);
  sendNumbers(second, CB_SETCURSEL, 0, 0);
  sendNumbers(second, CB_SHOWDROPDOWN, FALSE, 0);
  pressButton(properties, IDC_PROPERTIES_OK);
  CHECK(quiz.shows(quiz.main, IDC_QUIZ_SECOND_TO_FIRST, "Finnish - English"));
  CHECK_EQ(text(control(quiz.main, IDC_QUIZ_QUESTION_LABEL)), "What is in English");
  postCommand(quiz.main, IDC_QUIZ_CLOSE);
  CHECK(quiz.answer(quiz.main, "Save?", "Save changes to file?", IDNO));
  CHECK_EQ(quiz.program.waitForExit(), 0);
}

WINE_TEST(manageFilesRenameMoveCopyAndDeleteTheListsFile) {
  std::string bin = quizProgramFolder("manage files");
  std::string root = parentFolder(bin);
  std::string other = root + "\\other.wdl", copy = root + "\\copy.wdl";
  if (bin.empty() || !writeFileBytes(root + "\\List.wdl", kList.bytes()) || !writeFileBytes(other, "older")) return;
  QuizSession quiz;
  if (!quiz.start(bin, root + "\\work", {root + "\\List.wdl"})) return;

  winetest::setContext("rename");
  CHECK(nameFile(quiz, IDM_QUIZ_RENAME_FILE, "Rename file:", "List.wdl", "list.wdl", IDC_INPUT_CANCEL));
  CHECK(nameFile(quiz, IDM_QUIZ_RENAME_FILE, "Rename file:", "List.wdl", "list.wdl"));
  CHECK(titled(quiz, "list.wdl"));
  CHECK_EQ(storedName(root + "\\list.wdl"), "list.wdl");

  // A move replaces a file without asking; a move to the file itself in
  // another spelling leaves it alone.
  winetest::setContext("move");
  CHECK(nameFile(quiz, IDM_QUIZ_MOVE_FILE, "Move File:", root + "\\list.wdl", other));
  CHECK(titled(quiz, "other.wdl"));
  CHECK_EQ(readFileBytes(other), kList.bytes());
  CHECK_EQ(storedName(root + "\\list.wdl"), "");
  CHECK(nameFile(quiz, IDM_QUIZ_MOVE_FILE, "Move File:", other, "..\\OTHER.WDL."));
  CHECK(quiz.program.settle());
  CHECK(IsWindowEnabled(quiz.main));  // no message
  CHECK(titled(quiz, "other.wdl"));
  CHECK_EQ(readFileBytes(other), kList.bytes());

  // The old file cannot be deleted while another program has it open.
  HANDLE held = CreateFileA(other.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  CHECK(nameFile(quiz, IDM_QUIZ_MOVE_FILE, "Move File:", other, root + "\\moved.wdl"));
  CHECK(quiz.answer(quiz.main, "Error:", "Cannot move file", IDOK));
  CloseHandle(held);
  CHECK(titled(quiz, "other.wdl"));
  CHECK_EQ(readFileBytes(other), kList.bytes());

  // The copy's name comes from the file dialog behind Get, reached with Tab,
  // which gives Get the default look, and pressed with Space. Afterwards OK
  // is the default button again, and looks it alone. After the copy the list
  // is saved to the copy.
  winetest::setContext("copy");
  postCommand(quiz.main, IDM_QUIZ_COPY_FILE);
  HWND input = quiz.window("Copy File:", "#32770", quiz.main);
  if (!input || !quiz.focusIn(input, IDC_INPUT_VALUE)) return;
  CHECK_EQ(text(control(input, IDC_INPUT_VALUE)), other);
  HWND get = control(input, IDC_INPUT_GET), ok = control(input, IDC_INPUT_OK);
  auto buttonKind = [](HWND button) { return GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK; };
  quiz.program.pressKey(VK_TAB);
  CHECK(waitFor([&] { return buttonKind(get) == BS_DEFPUSHBUTTON; }, "Get with the default look"));
  if (!quiz.focusIn(input, IDC_INPUT_GET)) return;
  quiz.program.pressKey(VK_SPACE);
  HWND files = quiz.window("Copy File:", "#32770", input);
  if (!files) return;
  const int kFileNameCombo = 0x47C, kFileNameEdit = 0x480;
  setText(control(files, kFileNameCombo) ? control(files, kFileNameCombo) : control(files, kFileNameEdit), copy);
  pressButton(files, IDOK);
  CHECK(quiz.shows(input, IDC_INPUT_VALUE, copy));
  CHECK(waitFor([&] { return buttonKind(get) == BS_PUSHBUTTON && buttonKind(ok) == BS_DEFPUSHBUTTON; },
                "OK the default button again, Get a plain one"));
  CHECK(quiz.focusIn(input, IDC_INPUT_VALUE));
  pressButton(input, IDC_INPUT_OK);
  CHECK(titled(quiz, "copy.wdl"));
  HWND dialog = openAddWords(quiz);
  if (!dialog || !addPair(quiz, dialog, "sun", "aurinko")) return;
  pressButton(dialog, IDC_ADD_WORDS_CANCEL);
  quiz.program.waitForGone(dialog);
  sendCommand(quiz.main, IDC_QUIZ_SAVE);
  WordFileBytes saved = kList;
  saved.pairs.push_back({"sun", "aurinko", true});
  CHECK(waitFor([&] { return readFileBytes(copy) == saved.bytes(); }, "the pair saved to the copy"));
  CHECK_EQ(readFileBytes(other), kList.bytes());

  winetest::setContext("delete");
  DeleteFileA(copy.c_str());
  postCommand(quiz.main, IDM_QUIZ_DELETE_FILE);
  CHECK(quiz.answer(quiz.main, "Delete File:", "Do you want delete file " + copy + "?", IDYES));
  CHECK(quiz.answer(quiz.main, "Error:", "Cannot delete file " + copy + ".", IDOK));
  CHECK(titled(quiz, "copy.wdl"));
  sendCommand(quiz.main, IDC_QUIZ_SAVE);
  postCommand(quiz.main, IDM_QUIZ_DELETE_FILE);
  CHECK(quiz.answer(quiz.main, "Delete File:", "Do you want delete file " + copy + "?", IDYES));
  CHECK(titled(quiz, "untitled"));
  CHECK_EQ(storedName(copy), "");

  winetest::setContext("refused during a test");
  postCommand(quiz.main, IDM_QUIZ_TESTS);
  quiz.window("Test", "WDLTEST", quiz.main);
  postCommand(quiz.main, IDM_QUIZ_DELETE_FILE);
  CHECK(quiz.answer(quiz.main, "Error:", kRefused, IDOK));
  postCommand(quiz.main, IDC_QUIZ_CLOSE);
  CHECK(quiz.answer(quiz.main, "Save?", "Save changes to file?", IDNO));
  CHECK_EQ(quiz.program.waitForExit(), 0);
}

WINE_TEST(theCharacterDialogServesTheAnswerBoxesAndStaysOnScreen) {
  std::string bin = quizProgramFolder("character");
  std::string path = parentFolder(bin) + "\\list.wdl";
  if (bin.empty() || !writeFileBytes(path, kList.bytes())) return;
  QuizSession quiz;
  if (!quiz.start(bin, parentFolder(bin) + "\\work", {path})) return;

  winetest::setContext("properties unchanged");
  postCommand(quiz.main, IDM_QUIZ_PROPERTIES);
  HWND properties = quiz.window("Properties", "#32770", quiz.main);
  if (!properties) return;
  CHECK_EQ(text(control(properties, IDC_PROPERTIES_AUTHOR)), "Tester");
  HWND languageEdit = FindWindowExA(control(properties, IDC_PROPERTIES_FIRST_LANGUAGE), nullptr, "Edit", nullptr);
  for (HWND edit : {control(properties, IDC_PROPERTIES_INFORMATION), languageEdit})
    CHECK_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), static_cast<LRESULT>(kLongestWordFileText));
  pressButton(properties, IDC_PROPERTIES_OK);
  quiz.program.waitForGone(properties);

  // Below a window at the bottom of the screen the dialog rises to 3 pixels
  // above the screen's bottom edge.
  winetest::setContext("main window");
  RECT main;
  GetWindowRect(quiz.main, &main);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  SetWindowPos(quiz.main, nullptr, 40, screenHeight - (main.bottom - main.top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  postCommand(quiz.main, IDC_QUIZ_CHARACTER);
  HWND character = characterDialog(quiz);
  if (!character) return;
  RECT place;
  GetWindowRect(character, &place);
  CHECK_EQ(place.left, 50);
  CHECK_EQ(place.bottom, screenHeight - 3);
  CHECK_EQ(text(control(character, IDC_CHARACTER_FONT)), "MS Sans Serif 8pt");
  CHECK_EQ(sendNumbers(control(character, IDC_CHARACTER_CELLS), LB_GETCOUNT, 0, 0), 224);
  if (!quiz.chooseCharacter(character, kAUmlaut)) return;
  CHECK(quiz.shows(quiz.main, IDC_QUIZ_ANSWER, "\xE4"));
  CHECK(quiz.focusIn(quiz.main, IDC_QUIZ_ANSWER));
  // A second press activates the open dialog; Tests closes it.
  postCommand(quiz.main, IDC_QUIZ_CHARACTER);
  CHECK(waitFor([&] { return GetForegroundWindow() == character; }, "the Character dialog active"));
  postCommand(quiz.main, IDM_QUIZ_TESTS);
  HWND test = quiz.window("Test", "WDLTEST", quiz.main);
  CHECK(quiz.program.waitForGone(character));

  winetest::setContext("test window");
  if (!startTest(quiz, test)) return;
  postCommand(test, IDC_TEST_CHARACTER);
  character = characterDialog(quiz);
  if (!character || !quiz.chooseCharacter(character, kOUmlaut)) return;
  CHECK(quiz.shows(test, IDC_TEST_ANSWER, "\xF6"));
  // Cancel ends the questions and with them the Character dialog; closing
  // the program closes the test window and its Character dialog.
  postCommand(test, IDC_TEST_CANCEL);
  CHECK(quiz.program.waitForGone(character));
  startTest(quiz, test);
  postCommand(test, IDC_TEST_CHARACTER);
  if (!characterDialog(quiz)) return;
  CHECK_EQ(quiz.program.close(quiz.main), 0);
}
