#pragma once
// Driving the quiz program end to end: a fresh copy of Verbolt.exe for each
// test, word files written byte for byte, and one running program with its
// main window. The test program that uses these defines VERBOLT_EXE, the
// program's build path.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/TargetProgram.h"

namespace e2e {

// Makes "verbolt e2e\test" beside the test program anew with a copy of
// Verbolt.exe (and Kielivis.exe when the test program names it in
// KIELIVIS_EXE) in its bin folder; answers that folder, or an empty text
// after a failure.
std::string quizProgramFolder(const std::string& test);

struct PairBytes {
  std::string first, second;
  bool marked;
};

// A word list as the word file stores it.
struct WordFileBytes {
  std::string firstLanguage, secondLanguage, author, information;
  std::vector<PairBytes> pairs;

  // The fixed bytes, the header texts and pair records ended by 0x03, and the
  // end marker 0x02.
  std::string bytes() const;
  // The first pair whose first (or second) word is word, or null.
  const PairBytes* withFirst(const std::string& word) const;
  const PairBytes* withSecond(const std::string& word) const;
};

// A build of the quiz program: its file, settings key and title suffix.
struct QuizBuild {
  const char* program;
  const char* settingsKey;
  const char* titleSuffix;
};
extern const QuizBuild kVerbolt;
extern const QuizBuild kKielivis;

// One Verbolt (or Kielivis) process and its main window.
struct QuizSession {
  TargetProgram program;
  HWND main = nullptr;

  // Starts the build's program from bin in work with its settings key
  // removed and waits for the main window with the focus in its answer box.
  bool start(const std::string& bin, const std::string& work, const std::vector<std::string>& arguments,
             const QuizBuild& build = kVerbolt);
  // Waits for a window of the program titled title of class className,
  // owned by owner.
  HWND window(const std::string& title, const std::string& className, HWND owner);
  // Waits for the message box titled caption owned by owner, checks its
  // text, presses button and waits for the box to go.
  bool answer(HWND owner, const std::string& caption, const std::string& text, int button);
  // Waits for control id of window to read expected.
  bool shows(HWND window, int id, const std::string& expected);
  bool focusIn(HWND window, int id);
  // Double-clicks the cell of the character code in the Character dialog;
  // the caller waits for the character to arrive.
  bool chooseCharacter(HWND character, unsigned char code);
  // The same for the cell at index of the script shown.
  bool chooseCell(HWND character, int index);
};

}  // namespace e2e
