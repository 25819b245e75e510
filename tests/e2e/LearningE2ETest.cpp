// End-to-end tests of what learners of today ask of the drill: Count as
// Right and its key, the lenient judging options of the Settings dialog, the
// pairs' histories kept in the word file when the drill ends, and Mark Due
// Words and Mark Hard Words. A copy of Verbolt.exe runs in its own process and
// folder, driven only through its windows and keys.
#include <windows.h>

#include <string>

#include "quiz/drill/Schedule.h"
#include "resources/QuizResourceIds.h"
#include "tests/e2e/QuizFixture.h"
#include "tests/e2e/QuizSession.h"
#include "tests/e2e/WindowAccess.h"
#include "tests/wine/WineTest.h"
#include "wordlist/WordFile.h"

using namespace e2e;

namespace {

const WordFileBytes kList = {"English", "Finnish", "Tester", "Learning",
                             {{"caf\xE9; coffee", "kahvila", true}, {"na\xEFve; simple", "naiivi", true},
                              {"house", "talo", true}, {"cat", "kissa", true}}};

std::string line(const QuizSession& quiz, int id) { return text(control(quiz.main, id)); }

// Answers right with both lenient options on: without accents, one of the
// alternatives, in other case.
std::string lenientAnswerTo(const std::string& question) {
  if (question == "kahvila") return "CAFE";
  if (question == "naiivi") return "naive";
  const PairBytes* pair = kList.withSecond(question);
  return pair ? pair->first : std::string();
}

// The question line once it holds a word of the list or the end of the
// drill: the main window may still be refreshing it after the last answer.
std::string nextQuestion(const QuizSession& quiz, const std::string& end) {
  std::string question;
  waitFor(
      [&] {
        question = line(quiz, IDC_QUIZ_QUESTION_WORD);
        return question == end || kList.withSecond(question) != nullptr;
      },
      "a question from the list");
  return question;
}

// Types the answer into the empty answer box and checks it.
bool answer(QuizSession& quiz, const std::string& typed) {
  return quiz.focusIn(quiz.main, IDC_QUIZ_ANSWER) && quiz.program.typeText(typed) &&
         quiz.program.pressKey(VK_RETURN);
}

// Ctrl+R until the result line reads expected; an R let through without its
// Ctrl is taken out of the answer box again.
bool countAsRight(QuizSession& quiz, const std::string& expected) {
  bool counted = quiz.program.pressKeyUntil('R', kControl, [&] { return line(quiz, IDC_QUIZ_RESULT); }, expected);
  setText(control(quiz.main, IDC_QUIZ_ANSWER), "");
  return counted;
}

bool readList(const std::string& path, WordList* list) {
  return open(*list, path.c_str(), kFormatNone, [](const InvalidLine&) { return true; }) == FileResult::Ok;
}

}  // namespace

WINE_TEST(aWrongAnswerCountsAsRightLenientAnswersPassAndTheHistoryStaysInTheFile) {
  std::string bin = quizProgramFolder("learning");
  std::string path = parentFolder(bin) + "\\learn.wdl";
  if (bin.empty() || !writeFileBytes(path, kList.bytes())) return;
  QuizSession quiz;
  if (!quiz.start(bin, parentFolder(bin) + "\\work", {path})) return;

  // Nothing to count as right yet; then a typo does.
  winetest::setContext("count as right");
  CHECK(sendCommand(quiz.main, IDM_QUIZ_REMEMBER_ANSWERS));
  std::string question = line(quiz, IDC_QUIZ_QUESTION_WORD);
  CHECK(quiz.program.pressKey('R', kControl));
  setText(control(quiz.main, IDC_QUIZ_ANSWER), "");
  CHECK_EQ(line(quiz, IDC_QUIZ_RESULT), "");
  if (!answer(quiz, "typo")) return;
  CHECK(quiz.shows(quiz.main, IDC_QUIZ_RESULT, "Wrong! (" + question + ")"));
  CHECK(sendNumbers(control(quiz.main, IDC_QUIZ_ASK_PREVIOUS), BM_GETCHECK, 0, 0) == BST_CHECKED);
  if (!countAsRight(quiz, "Counted as right! (" + question + ")")) return;
  CHECK_EQ(line(quiz, IDC_QUIZ_POINTS), "Points 1 / 1 Selected 4 / 4");
  CHECK(sendNumbers(control(quiz.main, IDC_QUIZ_ASK_PREVIOUS), BM_GETCHECK, 0, 0) == BST_UNCHECKED);
  CHECK(quiz.program.pressKey('R', kControl));
  CHECK_EQ(line(quiz, IDC_QUIZ_POINTS), "Points 1 / 1 Selected 4 / 4");
  setText(control(quiz.main, IDC_QUIZ_ANSWER), "");

  // Both lenient options on: "CAFE" passes for "café; coffee".
  winetest::setContext("lenient judging");
  postCommand(quiz.main, IDM_QUIZ_SETTINGS);
  HWND sheet = quiz.window("Settings", "#32770", quiz.main);
  if (!sheet) return;
  for (int box : {IDC_GENERAL_WITHOUT_ACCENTS, IDC_GENERAL_ALTERNATIVES}) {
    CHECK(sendNumbers(descendant(sheet, box), BM_GETCHECK, 0, 0) == BST_UNCHECKED);
    sendNumbers(descendant(sheet, box), BM_CLICK, 0, 0);
  }
  pressButton(sheet, IDC_SETTINGS_OK);
  if (!quiz.program.waitForGone(sheet)) return;
  // Every pair answered right leaves the drill, the last one after asking it
  // twice.
  const std::string end = "No selected words in wordlist.";
  for (int asked = 0; asked < 8; ++asked) {
    std::string other = nextQuestion(quiz, end);
    if (other == end) break;
    if (!answer(quiz, lenientAnswerTo(other)) || !quiz.shows(quiz.main, IDC_QUIZ_RESULT, "Right! (" + other + ")"))
      return;
  }
  CHECK_EQ(line(quiz, IDC_QUIZ_POINTS), "Points 5 / 5 Selected 0 / 4");

  // The drill made no change the save prompt asks about; its histories go
  // into the file all the same, after the pairs, which stay as they were.
  winetest::setContext("histories kept");
  CHECK_EQ(quiz.program.close(quiz.main), 0);
  std::string bytes = readFileBytes(path);
  CHECK_EQ(bytes.substr(0, kList.bytes().size()), kList.bytes());
  WordList list;
  if (!readList(path, &list)) return;
  // Five right answers, the last pair's two of them, all asked today.
  int rights = 0;
  for (WordPair* pair = list.pairs.head(); pair; pair = pair->next) {
    const PairHistory* history = pair->history;
    CHECK(history && history->wrongCount == 0 && history->box == 1 + history->rightCount &&
          history->lastAskedDay == Schedule::today());
    rights += history ? history->rightCount : 0;
  }
  CHECK_EQ(rights, 5);
  DWORD type;
  for (const char* option : {"Accept Without Accents", "Accept Alternatives", "Remember Answers"})
    CHECK(registryValue("\\Settings", option, &type) == std::string("\x01\0\0\0", 4));
}

WINE_TEST(markDueAndHardWordsMarkExactlyTheirPairs) {
  std::string bin = quizProgramFolder("marking");
  std::string path = parentFolder(bin) + "\\marks.wdl";
  if (bin.empty()) return;
  // Right, wrong, days ago and box of B to E; A was never asked. Due: A, B
  // and C. Hardest: B (4 of 5 wrong), then C (2 of 4).
  const int records[][4] = {{1, 4, 1, 1}, {2, 2, 3, 2}, {5, 1, 1, 3}, {1, 0, 0, 2}};
  WordList list;
  list.pairs.append("a", "A", 1);
  for (const auto& record : records) {
    char word[2] = {static_cast<char>('b' + list.pairs.count() - 1), 0};
    list.pairs.append(word, word, 1);
    PairHistory* history = list.pairs.historyOf(list.pairs.last());
    history->rightCount = static_cast<uint16_t>(record[0]);
    history->wrongCount = static_cast<uint16_t>(record[1]);
    history->lastAskedDay = static_cast<uint16_t>(Schedule::today() - record[2]);
    history->box = static_cast<uint8_t>(record[3]);
  }
  list.fileName = path.c_str();
  if (writeWordFile(list) != FileResult::Ok) return;
  QuizSession quiz;
  if (!quiz.start(bin, parentFolder(bin) + "\\work", {path})) return;

  winetest::setContext("mark due words");
  postCommand(quiz.main, IDM_QUIZ_MARK_DUE_WORDS);
  if (!quiz.answer(quiz.main, "Mark Due Words", "3 words were marked for the drill.", IDOK)) return;
  CHECK(quiz.shows(quiz.main, IDC_QUIZ_POINTS, "Points 0 / 0 Selected 3 / 5"));

  winetest::setContext("mark hard words");
  postCommand(quiz.main, IDM_QUIZ_MARK_HARD_WORDS);
  HWND dialog = quiz.window("Mark Hard Words", "#32770", quiz.main);
  if (!dialog) return;
  CHECK_EQ(text(control(dialog, IDC_HARD_WORDS_COUNT)), "20");
  setText(control(dialog, IDC_HARD_WORDS_COUNT), "0");
  pressButton(dialog, IDC_HARD_WORDS_OK);
  if (!quiz.answer(dialog, "Error:", "Give a number of words from 1 to 9999.", IDOK)) return;
  setText(control(dialog, IDC_HARD_WORDS_COUNT), "2");
  pressButton(dialog, IDC_HARD_WORDS_OK);
  if (!quiz.program.waitForGone(dialog)) return;
  if (!quiz.answer(quiz.main, "Mark Hard Words", "2 words were marked for the drill.", IDOK)) return;
  CHECK(quiz.shows(quiz.main, IDC_QUIZ_POINTS, "Points 0 / 0 Selected 2 / 5"));
  CHECK(sendCommand(quiz.main, IDC_QUIZ_SAVE));
  WordList saved;
  if (!readList(path, &saved)) return;
  std::string marked;
  for (WordPair* pair = saved.pairs.head(); pair; pair = pair->next)
    marked += std::string(pair->firstWord.c_str()) + (pair->mark ? "+" : "-") + (pair->history ? "h " : " ");
  CHECK_EQ(marked, "a- b+h c+h d-h e-h ");

  CHECK_EQ(quiz.program.close(quiz.main), 0);
}
