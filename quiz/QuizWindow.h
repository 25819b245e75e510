#pragma once
// QuizWindow: the program's main window, a modeless dialog with its own
// message loop. It owns the drill, shows it, and carries the File, Tools and
// About commands; every other window is opened from here. The document and
// the settings belong to the application object.
#include "editor/CharacterChooser.h"
#include "editor/WordListWindow.h"
#include "framework/win/WinDialog.h"
#include "quiz/Autosave.h"
#include "quiz/QuizApp.h"
#include "quiz/drill/Drill.h"
#include "quiz/drill/InstanceList.h"

class TestWindow;

class QuizWindow : public CWinDialog, private DrillEvents, private AutosaveLender {
 public:
  explicit QuizWindow(QuizApp& app);

  LRESULT onInitDialog(HWND focus) override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;
  LRESULT onClose() override;
  LRESULT onDestroy() override;
  LRESULT onTimer(UINT_PTR id) override;
  LRESULT onActivate(UINT state, BOOL minimized, HWND other) override;
  LRESULT onSize(UINT type, int width, int height) override;
  LRESULT onDropFiles(HDROP drop) override;
  // The instance protocol's registered message and the size limits.
  LRESULT defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void playSound(const char* fileName) override;
  void showError(UINT messageId) override;
  // An error message, its text formatted with argument.
  void reportError(UINT messageId, const char* argument = "");

  // The word list window: while it is open the document's pairs are its
  // rows. Commands that replace the document or end the program close it
  // first; a save and the autosave borrow its rows.
  void openWordList();
  void closeWordList();
  void snapshotToList() override;
  void releaseSnapshot() override;

  // Commands.
  void check();
  void countAsRight();
  void enableCountAsRight();
  void giveHelp();
  void chooseDirection(UINT button);
  void toggleAskPrevious();
  void showAskPrevious();
  void newList();
  void openList();
  bool saveList();
  // saveList() without the question of mayLoseCharacters().
  bool writeList();
  void saveListAs();
  // Asks before a save loses characters of the list; false when the learner
  // says no.
  bool mayLoseCharacters();
  void focusNextTabStop(bool previous);
  void openSettings();
  void openAbout();

  void runTest();
  void combineFiles();

  void openCharacter();
  void openProperties();
  void addWords();
  void manageFiles(UINT command);
  void markHardWords();
  void markDueWords();
  void showRememberAnswers();
  void reportMarked(int marked, UINT captionId);
  // The Manage Files commands act only on a list that has a file.
  void enableFileCommands();

  // The closing sequence; false when the user cancelled it.
  bool closeWindow();
  void finishClosing();

  // Lets go of the current list before another replaces it or the program
  // ends: closes the word list window, asks whether to save a changed list
  // and keeps the pairs' histories. False when the user cancelled.
  bool letGoOfList();
  // Asks whether to save a changed list; false when the user cancelled.
  bool savePrompt();
  // Lets the user pick a file; false when nothing was chosen.
  bool chooseFile(UINT titleId, bool open, int choice, CText* path, int* type);
  // Reads path into the document; the error is shown on failure.
  bool load(const char* path, int type);
  // Writes the pairs' histories into the document's word file when the
  // drill changed them; a file that cannot be written is reported.
  void keepHistory();
  void loadCommandLine();
  void restoreLeftOver();
  bool offerRestore(const SYSTEMTIME& created);

  // Takes a step of the drill (restart, nextQuestion, reshuffle, refresh)
  // and puts its display into the controls when the step succeeded,
  // emptying the answer box unless told not to; Ask Previous and Count as
  // Right follow the drill.
  void show(bool (Drill::*step)(DrillDisplay*), bool emptyAnswer = true);
  void refreshTitle();
  void refreshDirectionCaptions();
  void applyUserFont();
  void setDefaultButton(UINT id);
  void focusAnswer();
  bool refusedDuringTest();
  void broadcast(WPARAM wParam, LPARAM lParam);

  QuizApp& app_;
  Settings& settings_;
  WordList& document_;
  InstanceList instances_;
  RandomSource random_;
  Drill drill_;
  Autosave autosave_;
  TestWindow* test_ = nullptr;  // the open test window, whose loop runTest() runs
  bool testAgain_ = false;  // Tests came while the closing test window's loop ended
  CharacterChooser character_;  // for the answer box
  WordListWindow* wordList_ = nullptr;  // the open word list window, or null
};
