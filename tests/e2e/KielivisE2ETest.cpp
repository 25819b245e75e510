// Kielivis.exe, the Finnish build, end to end: its own settings key, its
// Finnish texts and keys, the language table's rule across the two builds,
// which read and write the same word files, and the word list window's
// toolbar with the longer Finnish labels.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "resources/QuizResourceIds.h"
#include "tests/e2e/CleanState.h"
#include "tests/e2e/QuizFixture.h"
#include "tests/e2e/QuizSession.h"
#include "tests/e2e/WindowAccess.h"
#include "tests/wine/WineTest.h"

using namespace e2e;

namespace {

enum { kQuestionLabel = 110, kQuestionWord = 111, kResultLine = 113, kPointsLine = 116, kSave = 105,
       kSecondToFirst = 107, kFirstToSecond = 108 };

bool keyExists(const char* path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void chooseDirection(QuizSession& quiz, int button) { sendNumbers(control(quiz.main, button), BM_CLICK, 0, 0); }

// Checks that every toolbar button lies inside the toolbar's client area;
// answers the right edge of the last one.
int checkEveryButtonShown(HWND toolbar) {
  RECT client = {0, 0, 0, 0}, button = {0, 0, 0, 0};
  GetClientRect(toolbar, &client);
  CHECK_EQ(sendNumbers(toolbar, TB_BUTTONCOUNT, 0, 0), 13);
  for (int i = 0; i < 13; ++i) {
    button = sendForRect(toolbar, TB_GETITEMRECT, i);
    CHECK(button.left >= 0 && button.right > button.left && button.right <= client.right &&
          button.bottom <= client.bottom);
  }
  return button.right;
}

}  // namespace

WINE_TEST(finnishBuildKeepsItsSettingsAndFindsItsLanguageNames) {
  std::string bin = quizProgramFolder("finnish");
  std::string lists = parentFolder(bin) + "\\lists", path = lists + "\\ruotsi.wdl";
  const WordFileBytes list = {"Ruotsi", "Suomi", "Opettaja", "Tehty: 1.9.2026", {{"hus", "talo", true}, {"katt", "kissa", true}}};
  if (bin.empty() || !CreateDirectoryA(lists.c_str(), nullptr) || !writeFileBytes(path, list.bytes())) return;
  removeRegistryTree(HKEY_CURRENT_USER, kVerbolt.settingsKey);

  QuizSession finnish;
  if (!finnish.start(bin, parentFolder(bin) + "\\work", {path}, kKielivis)) return;
  CHECK_EQ(text(finnish.main), "ruotsi.wdl - Kielivisa'97");
  CHECK(finnish.shows(finnish.main, kQuestionLabel, "Mit\xE4 tarkoittaa ruotisksi"));
  chooseDirection(finnish, kFirstToSecond);
  CHECK(finnish.shows(finnish.main, kQuestionLabel, "Mit\xE4 tarkoittaa suomeksi"));
  // Alt+R checks, as the Finnish caption "Ta&rkista" says.
  std::string question = text(control(finnish.main, kQuestionWord));
  const PairBytes* asked = list.withFirst(question);
  CHECK(asked != nullptr);
  if (!asked || !finnish.program.typeText(asked->second)) return;
  CHECK(finnish.program.pressKeyUntil('R', kAlt, [&] { return text(control(finnish.main, kResultLine)); },
                                      "Oikein! (" + question + ")"));
  CHECK(finnish.shows(finnish.main, kPointsLine, "Pisteet 1 / 1 Valittuja 2 / 2"));
  // A save writes the same word file as the English build does.
  CHECK(sendCommand(finnish.main, kSave));
  CHECK_EQ(readFileBytes(path), list.bytes());
  CHECK_EQ(finnish.program.close(finnish.main), 0);
  CHECK(keyExists("Software\\Quorvel\\Kielivisa'97\\Settings"));
  CHECK(!keyExists(kVerbolt.settingsKey));

  // The English table has no "Ruotsi" or "Suomi": the bare question label.
  QuizSession english;
  if (!english.start(bin, parentFolder(bin) + "\\work", {path})) return;
  CHECK(english.shows(english.main, kQuestionLabel, "What is"));
  chooseDirection(english, kSecondToFirst);
  CHECK(english.shows(english.main, kQuestionLabel, "What is"));
  CHECK_EQ(english.program.close(english.main), 0);

  QuizSession untitled;
  if (!untitled.start(bin, parentFolder(bin) + "\\work", {}, kKielivis)) return;
  CHECK_EQ(text(untitled.main), "nimet\xF6n - Kielivisa'97");
  CHECK_EQ(text(control(untitled.main, kQuestionWord)), "Sanalistassa ei ole valittuja sanoja.");
  CHECK_EQ(untitled.program.close(untitled.main), 0);
}

// A first start has large buttons with labels. The word list window opens
// wide enough for all of them in either build, and shrinks no further than
// its toolbar.
WINE_TEST(wordListWindowShowsEveryToolbarButton) {
  std::string bin = quizProgramFolder("toolbar");
  if (bin.empty()) return;
  const struct {
    const QuizBuild& build;
    const char* window;
    const char* saveCaption;
    const char* savePrompt;
  } builds[] = {{kVerbolt, "Wordlist", "Save?", "Save changes to file?"},
                {kKielivis, "Sanalista", "Tallennetaanko?", "Tallennetaanko muutokset tiedostoon?"}};
  for (const auto& b : builds) {
    QuizSession quiz;
    if (!quiz.start(bin, parentFolder(bin) + "\\work", {}, b.build)) return;
    postCommand(quiz.main, IDM_QUIZ_WORDLIST);
    HWND window = quiz.window(b.window, "#32770", quiz.main);
    if (!window) return;
    HWND toolbar = control(window, IDC_WORDLIST_TOOLBAR);
    CHECK(HIWORD(sendNumbers(toolbar, TB_GETBUTTONSIZE, 0, 0)) > 24);
    CHECK(sendNumbers(toolbar, TB_GETBUTTONTEXTA, IDM_WORDLIST_SORT, 0) > 0);
    RECT place;
    GetWindowRect(window, &place);
    CHECK(place.right - place.left >= 500);
    winetest::setContext(std::string(b.window) + " at its first size");
    int last = checkEveryButtonShown(toolbar);

    // Narrowed as far as it goes, the toolbar is just as wide as its buttons.
    winetest::setContext(std::string(b.window) + " at its smallest");
    MoveWindow(window, place.left, place.top, 100, place.bottom - place.top, TRUE);
    RECT client = {0, 0, 0, 0};
    if (!waitFor([&] { return GetClientRect(toolbar, &client) && client.right == last; }, "the toolbar's width"))
      CHECK_EQ(client.right, last);
    checkEveryButtonShown(toolbar);
    winetest::setContext("");

    postCommand(window, IDM_WORDLIST_CLOSE);
    quiz.program.waitForGone(window);
    PostMessageA(quiz.main, WM_CLOSE, 0, 0);
    CHECK(quiz.answer(quiz.main, b.saveCaption, b.savePrompt, IDNO));
    CHECK_EQ(quiz.program.waitForExit(), 0);
  }
}
