// Kielivis.exe, the Finnish build, end to end: its own settings key, its
// Finnish texts and keys, and the language table's rule across the two
// builds, which read and write the same word files.
#include <windows.h>

#include <string>

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
