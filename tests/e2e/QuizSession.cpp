#include "tests/e2e/QuizSession.h"

#include "tests/e2e/QuizFixture.h"
#include "tests/e2e/WindowAccess.h"
#include "tests/wine/WineTest.h"

namespace e2e {
namespace {

const int kAnswerBox = 112;

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

const PairBytes* find(const std::vector<PairBytes>& pairs, const std::string& word, bool first) {
  for (const PairBytes& pair : pairs)
    if ((first ? pair.first : pair.second) == word) return &pair;
  return nullptr;
}

}  // namespace

const QuizBuild kVerbolt = {"Verbolt.exe", "Software\\Quorvel\\Verbolt'97", " - Verbolt'97"};
const QuizBuild kKielivis = {"Kielivis.exe", "Software\\Quorvel\\Kielivisa'97", " - Kielivisa'97"};

std::string quizProgramFolder(const std::string& test) {
  std::string bin = freshQuizProgram(VERBOLT_EXE, "verbolt e2e", test);
#ifdef KIELIVIS_EXE
  if (!bin.empty() && !copyProgramInto(KIELIVIS_EXE, bin)) return std::string();
#endif
  return bin;
}

std::string WordFileBytes::bytes() const {
  std::string result("\xFE\xFE" "97WDL" "\x12");
  for (const std::string* text : {&firstLanguage, &secondLanguage, &author, &information}) result += *text + '\x03';
  for (const PairBytes& pair : pairs) {
    result += pair.first + '\x03' + pair.second + '\x03';
    result += pair.marked ? '\x01' : '\x00';
    result += '\x03';
  }
  return result + '\x02';
}

const PairBytes* WordFileBytes::withFirst(const std::string& word) const { return find(pairs, word, true); }

const PairBytes* WordFileBytes::withSecond(const std::string& word) const { return find(pairs, word, false); }

bool QuizSession::start(const std::string& bin, const std::string& work, const std::vector<std::string>& arguments,
                        const QuizBuild& build) {
  if (bin.empty() || !program.start(bin + "\\" + build.program, arguments, build.settingsKey, work)) return false;
  waitFor(
      [&] {
        main = windowOfProcess(program.processId(),
                               [&](HWND w) { return GetMenu(w) && endsWith(text(w), build.titleSuffix); });
        return main != nullptr || !program.running();
      },
      std::string("the main window titled \"...") + build.titleSuffix + "\"");
  return main && focusIn(main, kAnswerBox);
}

HWND QuizSession::window(const std::string& title, const std::string& className, HWND owner) {
  WindowQuery query;
  query.title = title;
  query.className = className;
  query.owner = owner;
  return program.waitForWindow(query);
}

bool QuizSession::answer(HWND owner, const std::string& caption, const std::string& text, int button) {
  HWND box = window(caption, "#32770", owner);
  if (!box) return false;
  CHECK_EQ(messageBoxText(box), text);
  pressButton(box, button);
  return program.waitForGone(box);
}

bool QuizSession::shows(HWND window, int id, const std::string& expected) {
  if (waitFor([&] { return text(control(window, id)) == expected; },
              "control " + std::to_string(id) + " to read \"" + expected + "\""))
    return true;
  CHECK_EQ(text(control(window, id)), expected);
  return false;
}

bool QuizSession::focusIn(HWND window, int id) {
  return waitFor([&] { return program.focus() == control(window, id); },
                 "the focus on control " + std::to_string(id));
}

bool QuizSession::chooseCharacter(HWND character, unsigned char code) {
  const int kFirstCode = 32;
  return chooseCell(character, code - kFirstCode);
}

bool QuizSession::chooseCell(HWND character, int index) {
  const int kCells = 1071;
  HWND cells = control(character, kCells);
  sendNumbers(cells, LB_SETTOPINDEX, index, 0);
  RECT cell = {};
  if (!SendMessageTimeoutA(cells, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&cell), SMTO_ABORTIFHUNG,
                           kSendTimeout, nullptr) ||
      cell.bottom <= cell.top) {
    failWithScreenshot("no cell " + std::to_string(index));
    return false;
  }
  LPARAM point = clientPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    PostMessageA(cells, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, point);
  return true;
}

}  // namespace e2e
