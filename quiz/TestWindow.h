#pragma once
// TestWindow: the word test's own top-level window of the class "WDLTEST",
// with its own message loop and accelerator table. In the setup phase the
// learner chooses how many words to answer in each direction; in the running
// phase the questions of its WordTest come one by one; the results follow with
// the number of right answers, the grade when wanted, and on request the words
// grid. The quiz window's Tests command runs it; the document and the settings
// are borrowed, and the test-open flag is set while the window runs.
#include "editor/CharacterChooser.h"
#include "framework/win/WinFrame.h"
#include "quiz/drill/RandomSource.h"
#include "quiz/drill/Settings.h"
#include "quiz/drill/WordTest.h"

class TestWindow : public CWinFrame {
 public:
  TestWindow(WordList& list, Settings& settings);

  // Creates the window owned by owner and runs it until it closes.
  void run(HWND owner);
  void activate();
  bool isOpen() const { return hwnd != nullptr; }
  // Closes the window from outside; its loop then ends.
  void close();

  bool onCreateWindow() override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;
  LRESULT onClose() override;
  LRESULT onDestroy() override;
  LRESULT onSize(UINT type, int width, int height) override;
  LRESULT onActivate(UINT state, BOOL minimized, HWND other) override;
  // The size limits.
  LRESULT defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void start();
  void next();
  void cancel();
  void showResults();
  void toggleGiveNumber();
  void openCharacter();
  void focusNextTabStop(bool previous);

  void buildSetup();
  void buildRunning();
  void removeControls(const int* ids, int count);
  void showQuestion();
  void layout();
  // place is at 96 dots per inch.
  HWND makeControl(const char* className, const char* text, DWORD style, const RECT& place, int id,
                   HFONT font, DWORD extendedStyle = 0);
  void makeCount(int editId, int spinId, const RECT& edit, const RECT& spin);
  void setStatusParts(int count);
  void setStatusText(int part, const char* text);
  void focus(int id);
  int lineHeight() const;

  WordList& list_;
  Settings& settings_;
  RandomSource random_;
  WordTest test_;
  bool graded_ = false;
  HWND lastFocus_ = nullptr;
  CharacterChooser character_;  // for the answer box, while running
};
