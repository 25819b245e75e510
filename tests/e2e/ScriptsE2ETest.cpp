// End-to-end tests of words in other scripts than the Latin one: the quiz
// programs run with UTF-8 as their code page, so that lists in Russian,
// Greek or Japanese are typed, drilled, pasted, found, sorted and kept under
// names in any script, while a list in code page 1252 stays byte for byte as
// it was. Texts cross between the test and the programs as 16-bit text
// (utf8Text), since this test runs in code page 1252.
#include <windows.h>

#include <commctrl.h>
#include <string>

#include "resources/QuizResourceIds.h"
#include "tests/e2e/QuizFixture.h"
#include "tests/e2e/QuizSession.h"
#include "tests/e2e/RemoteListView.h"
#include "tests/e2e/WindowAccess.h"
#include "tests/e2e/WindowCapture.h"
#include "tests/wine/WineTest.h"

using namespace e2e;

namespace {

const COLORREF kDiffRed = RGB(0xFF, 0, 0);  // DiffColor 0x0000FF
const int kCyrillicScript = 5;
const int kCyrillicCells = 256;

HWND openAddWords(QuizSession& quiz) {
  postCommand(quiz.main, IDM_QUIZ_ADD_WORDS);
  HWND dialog = quiz.window("Add Words", "#32770", quiz.main);
  return dialog && quiz.focusIn(dialog, IDC_WORDS_FIRST) ? dialog : nullptr;
}

bool showsUtf8(HWND window, const std::string& expected) {
  if (waitFor([&] { return utf8Text(window) == expected; }, "the text \"" + expected + "\"")) return true;
  CHECK_EQ(utf8Text(window), expected);
  return false;
}

// The system's open or save dialog of the program: enters path (UTF-8) as
// the file name and presses OK.
bool chooseFile(QuizSession& quiz, const std::string& path) {
  const int kFileNameCombo = 0x47C, kFileNameEdit = 0x480;
  HWND dialog = quiz.program.waitForDialog(quiz.main);
  if (!dialog) return false;
  HWND name = control(dialog, kFileNameCombo) ? control(dialog, kFileNameCombo) : control(dialog, kFileNameEdit);
  CHECK(setUtf8Text(name, path));
  pressButton(dialog, IDOK);
  return quiz.program.waitForGone(dialog);
}

// The Wordlist command, until the window shows count rows.
HWND openWordList(QuizSession& quiz, const std::string& title, int count) {
  postCommand(quiz.main, IDM_QUIZ_WORDLIST);
  HWND window = quiz.window(title, "#32770", quiz.main);
  HWND list = window ? control(window, IDC_WORDLIST_LIST) : nullptr;
  if (!list || !waitFor([&] { return sendNumbers(list, LVM_GETITEMCOUNT, 0, 0) == count; }, "the rows")) return nullptr;
  return window;
}

// Searches for pattern with the Find dialog titled title until row is the
// one selected row.
bool finds(QuizSession& quiz, HWND window, const std::string& title, const std::string& pattern, int row) {
  postCommand(window, IDM_WORDLIST_FIND);
  HWND find = quiz.window(title, "#32770", nullptr);
  if (!find) return false;
  CHECK(setUtf8Text(control(find, IDC_FIND_TEXT), pattern));
  pressButton(find, IDC_FIND_NEXT);
  RemoteListView rows(control(window, IDC_WORDLIST_LIST));
  bool found = waitFor(
      [&] {
        for (int other = 0; other < rows.count(); ++other)
          if (rows.selected(other) != (other == row)) return false;
        return true;
      },
      "row " + std::to_string(row) + " found by " + pattern);
  pressButton(find, IDC_FIND_CANCEL);
  return quiz.program.waitForGone(find) && found;
}

bool putUnicodeText(const std::wstring& units) {
  static HWND owner = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  if (!waitFor([] { return OpenClipboard(owner) != 0; }, "the clipboard")) return false;
  EmptyClipboard();
  size_t size = (units.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  memcpy(GlobalLock(memory), units.c_str(), size);
  GlobalUnlock(memory);
  bool put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  return CloseClipboard() && put;
}

}  // namespace

// Typed with the Character dialog's Cyrillic cells, a wrong letter marked as
// one character, saved under a Cyrillic name and opened again.
WINE_TEST(aRussianListIsTypedDrilledAndKeptUnderACyrillicName) {
  std::string bin = quizProgramFolder("russian");
  QuizSession quiz;
  if (!quiz.start(bin, parentFolder(bin) + "\\work", {})) return;
  HWND dialog = openAddWords(quiz);
  if (!dialog) return;

  winetest::setContext("Character dialog");
  setText(control(dialog, IDC_WORDS_FIRST), "cat");
  quiz.program.pressKey(VK_TAB);
  if (!quiz.focusIn(dialog, IDC_WORDS_SECOND)) return;
  postCommand(dialog, IDC_WORDS_CHARACTER);
  HWND character = quiz.window("Character", "#32770", nullptr);
  if (!character) return;
  HWND scripts = control(character, IDC_CHARACTER_SCRIPT), cells = control(character, IDC_CHARACTER_CELLS);
  CHECK_EQ(text(scripts), "Latin-1");
  CHECK_EQ(sendNumbers(cells, LB_GETCOUNT, 0, 0), 224);
  sendNumbers(scripts, CB_SETCURSEL, kCyrillicScript, 0);
  postCommand(character, IDC_CHARACTER_SCRIPT, CBN_SELCHANGE);
  CHECK(waitFor([&] { return sendNumbers(cells, LB_GETCOUNT, 0, 0) == kCyrillicCells; }, "the Cyrillic cells"));
  CHECK_EQ(text(scripts), "Cyrillic");
  // к, о and т are U+043A, U+043E and U+0442; the cells begin at U+0400.
  std::string typed;
  for (const char* letter : {"\xD0\xBA", "\xD0\xBE", "\xD1\x82"}) {
    typed += letter;
    std::wstring unit = wideOf(letter);
    if (!quiz.chooseCell(character, unit[0] - 0x400) || !showsUtf8(control(dialog, IDC_WORDS_SECOND), typed)) return;
  }
  DWORD type;
  CHECK(registryValue("\\Character", "Script", &type) == std::string("\x05\0\0\0", 4));
  pressButton(dialog, IDC_ADD_WORDS_ADD);
  CHECK(showsUtf8(control(dialog, IDC_WORDS_SECOND), ""));
  setText(control(dialog, IDC_WORDS_FIRST), "dog");
  setUtf8Text(control(dialog, IDC_WORDS_SECOND), "\xD1\x81\xD0\xBE\xD0\xB1\xD0\xB0\xD0\xBA\xD0\xB0");  // собака
  pressButton(dialog, IDC_ADD_WORDS_ADD);
  CHECK(showsUtf8(control(dialog, IDC_WORDS_SECOND), ""));
  pressButton(dialog, IDC_ADD_WORDS_CANCEL);
  CHECK(quiz.program.waitForGone(dialog) && quiz.program.waitForGone(character));

  // Asked for the Russian word, the learner types it with one wrong letter.
  winetest::setContext("drill");
  sendNumbers(control(quiz.main, IDC_QUIZ_FIRST_TO_SECOND), BM_CLICK, 0, 0);
  quiz.program.settle();
  std::string question = utf8Text(control(quiz.main, IDC_QUIZ_QUESTION_WORD));
  std::string wrong = question == "cat" ? "\xD0\xBA\xD0\xB8\xD1\x82"                                   // кит
                                        : "\xD1\x81\xD0\xB0\xD0\xB1\xD0\xB0\xD0\xBA\xD0\xB0";  // сабака
  HWND answer = control(quiz.main, IDC_QUIZ_ANSWER);
  for (wchar_t unit : wideOf(wrong)) PostMessageW(answer, WM_CHAR, unit, 1);
  if (!showsUtf8(answer, wrong)) return;
  postCommand(quiz.main, IDC_QUIZ_CHECK);
  HWND yours = control(quiz.main, IDC_QUIZ_YOUR_ANSWER);
  CHECK(showsUtf8(yours, "Your Answer: " + wrong));
  CHECK(waitFor([&] { return WindowCapture(yours).count(kDiffRed) > 0; }, "the wrong letter in DiffColor"));
  RECT marked = WindowCapture(yours).bounds(kDiffRed);
  CHECK(marked.right - marked.left < 12);

  // Saved under a Cyrillic name: слова.wdl.
  winetest::setContext("Cyrillic file name");
  const std::string name = "\xD1\x81\xD0\xBB\xD0\xBE\xD0\xB2\xD0\xB0.wdl";
  const std::string path = utf8Of(wideOf(parentFolder(bin))) + "\\" + name;
  postCommand(quiz.main, IDC_QUIZ_SAVE);
  if (!chooseFile(quiz, path)) return;
  CHECK(showsUtf8(quiz.main, name + " - Verbolt'97"));
  CHECK(GetFileAttributesW(wideOf(path).c_str()) != INVALID_FILE_ATTRIBUTES);
  CHECK_EQ(quiz.program.close(quiz.main), 0);

  winetest::setContext("opened again");
  QuizSession again;
  if (!again.start(bin, parentFolder(bin) + "\\work", {})) return;
  postCommand(again.main, IDC_QUIZ_OPEN);
  if (!chooseFile(again, path)) return;
  CHECK(showsUtf8(again.main, name + " - Verbolt'97"));
  HWND window = openWordList(again, "Wordlist", 2);
  if (!window) return;
  CHECK_EQ(RemoteListView(control(window, IDC_WORDLIST_LIST)).rows(),
           "+cat/\xD0\xBA\xD0\xBE\xD1\x82 +dog/\xD1\x81\xD0\xBE\xD0\xB1\xD0\xB0\xD0\xBA\xD0\xB0 ");
  postCommand(window, IDM_WORDLIST_CLOSE);
  again.program.waitForGone(window);
  // The word list window counts as a change: the save prompt names the file.
  postCommand(again.main, IDC_QUIZ_CLOSE);
  HWND prompt = again.window("Save?", "#32770", again.main);
  if (!prompt) return;
  CHECK_EQ(utf8Text(control(prompt, 0xFFFF)), "Save changes to file " + path + "?");
  pressButton(prompt, IDNO);
  CHECK_EQ(again.program.waitForExit(), 0);
}

// Kielivis: pairs in Greek and Japanese come from the shell's Unicode text;
// Find's "?" stands for one character of any script and ignores Greek case;
// sorting follows the locale's order, not the bytes'; an answer passes
// without its accents under lenient judging.
WINE_TEST(greekAndJapaneseWordsInKielivis) {
  std::string bin = quizProgramFolder("greek");
  QuizSession quiz;
  if (!quiz.start(bin, parentFolder(bin) + "\\work", {}, kKielivis)) return;

  winetest::setContext("paste");
  HWND window = openWordList(quiz, "Sanalista", 0);
  if (!window) return;
  // English words and their answers, and the same answers without accents.
  const char* pairs[][3] = {
      {"water", "\xCE\xBD\xCE\xB5\xCF\x81\xCF\x8C", "\xCE\xBD\xCE\xB5\xCF\x81\xCE\xBF"},                    // νερό
      {"sun", "\xCE\xAE\xCE\xBB\xCE\xB9\xCE\xBF\xCF\x82", "\xCE\xB7\xCE\xBB\xCE\xB9\xCE\xBF\xCF\x82"},  // ήλιος
      {"book", "\xCE\xB2\xCE\xB9\xCE\xB2\xCE\xBB\xCE\xAF\xCE\xBF", "\xCE\xB2\xCE\xB9\xCE\xB2\xCE\xBB\xCE\xB9\xCE\xBF"},  // βιβλίο
      {"cat", "\xE3\x81\xAD\xE3\x81\x93", "\xE3\x81\xAD\xE3\x81\x93"},  // ねこ
      {"dog", "\xE3\x81\x84\xE3\x81\xAC", "\xE3\x81\x84\xE3\x81\xAC"},  // いぬ
      {"bird", "\xE3\x81\xA8\xE3\x82\x8A", "\xE3\x81\xA8\xE3\x82\x8A"}};  // とり
  std::string lines;
  for (const auto& pair : pairs) lines += std::string(pair[0]) + "\t" + pair[1] + "\r\n";
  if (!putUnicodeText(wideOf(lines))) return;
  sendCommand(window, IDM_WORDLIST_PASTE);
  RemoteListView rows(control(window, IDC_WORDLIST_LIST));
  CHECK(waitFor([&] { return rows.count() == 6; }, "six pasted rows"));
  CHECK_EQ(rows.text(0, 1), pairs[0][1]);
  CHECK_EQ(rows.text(3, 1), pairs[3][1]);

  // With no row selected the search starts after the first row.
  winetest::setContext("find");
  CHECK(finds(quiz, window, "Etsi", "\xE3\x81\x84?", 4));             // い?
  CHECK(finds(quiz, window, "Etsi", "\xCE\x9D\xCE\x95\xCE\xA1?", 0));  // ΝΕΡ?
  CHECK(finds(quiz, window, "Etsi", "?\xCE\xBB\xCE\xB9\xCE\xBF\xCF\x82", 1));  // ?λιος

  // In bytes ήλιος (CE AE) would come first; in the locale's order η
  // follows β, and Japanese follows Greek.
  winetest::setContext("sort");
  sendCommand(window, IDM_SORT_SECOND_WORD);
  CHECK_EQ(rows.text(0, 1), pairs[2][1]);
  CHECK_EQ(rows.text(1, 1), pairs[1][1]);
  CHECK_EQ(rows.text(5, 1), pairs[3][1]);
  postCommand(window, IDM_WORDLIST_CLOSE);
  quiz.program.waitForGone(window);

  winetest::setContext("lenient judging");
  postCommand(quiz.main, IDM_QUIZ_SETTINGS);
  HWND sheet = quiz.window("Asetukset", "#32770", quiz.main);
  if (!sheet) return;
  sendNumbers(descendant(sheet, IDC_GENERAL_WITHOUT_ACCENTS), BM_CLICK, 0, 0);
  pressButton(sheet, IDC_SETTINGS_OK);
  if (!quiz.program.waitForGone(sheet)) return;
  sendNumbers(control(quiz.main, IDC_QUIZ_FIRST_TO_SECOND), BM_CLICK, 0, 0);
  quiz.program.settle();
  for (int asked = 0; asked < 3; ++asked) {
    std::string question = utf8Text(control(quiz.main, IDC_QUIZ_QUESTION_WORD)), given;
    for (const auto& pair : pairs)
      if (question == pair[0]) given = pair[2];
    winetest::setContext("lenient judging of " + question);
    CHECK(!given.empty());
    if (given.empty()) return;
    setUtf8Text(control(quiz.main, IDC_QUIZ_ANSWER), given);
    postCommand(quiz.main, IDC_QUIZ_CHECK);
    CHECK(showsUtf8(control(quiz.main, IDC_QUIZ_RESULT), "Oikein! (" + question + ")"));
  }
  postCommand(quiz.main, IDC_QUIZ_CLOSE);
  CHECK(quiz.answer(quiz.main, "Tallennetaanko?", "Tallennetaanko muutokset tiedostoon?", IDNO));
  CHECK_EQ(quiz.program.waitForExit(), 0);
}

// A list of code page 1252 shows its letters, is found without regard to
// case and is saved byte for byte as it was.
WINE_TEST(aListOfCodePage1252StaysAsItWas) {
  std::string bin = quizProgramFolder("cp1252");
  std::string path = parentFolder(bin) + "\\western.wdl";
  const WordFileBytes list = {"Finnish", "German", "Tester", "\xC4iti ja is\xE4",
                              {{"\xE4iti", "Mutter", true}, {"p\xE4\xE4", "Kopf", false}, {"\x80uro", "Euro", true}}};
  if (bin.empty() || !writeFileBytes(path, list.bytes())) return;
  QuizSession quiz;
  if (!quiz.start(bin, parentFolder(bin) + "\\work", {path})) return;
  HWND window = openWordList(quiz, "Wordlist", 3);
  if (!window) return;
  RemoteListView rows(control(window, IDC_WORDLIST_LIST));
  CHECK_EQ(rows.rows(), "+\xC3\xA4iti/Mutter p\xC3\xA4\xC3\xA4/Kopf +\xE2\x82\xACuro/Euro ");
  CHECK(finds(quiz, window, "Find", "P\xC3\x84?", 1));  // PÄ?
  postCommand(window, IDM_WORDLIST_CLOSE);
  quiz.program.waitForGone(window);
  sendCommand(quiz.main, IDC_QUIZ_SAVE);
  CHECK_EQ(readFileBytes(path), list.bytes());
  CHECK_EQ(quiz.program.close(quiz.main), 0);
}
