#pragma once
// QuizApp: the quiz program's application object. It holds the settings and
// the document (the open word list), runs the start sequence and the main
// window, and saves the settings when it is destroyed at the end of the run.
#include "framework/win/WinApp.h"
#include "quiz/drill/Settings.h"
#include "wordlist/WordList.h"

class QuizApp : public CWinApp {
 public:
  // name: "Verbolt" or "Kielivisa"; not copied.
  explicit QuizApp(const char* name);
  // Writes the settings to the registry once they have been loaded.
  ~QuizApp() override;

  // The start sequence and the whole run of the main window.
  int instanceInit() override;
  // Frees the document; answers the exit code 0.
  int instanceExit() override;

  // The folder of the program file, without a trailing backslash.
  CText programFolder() const;

  Settings settings;
  WordList* document = nullptr;  // owned; exists while the main window runs

 private:
  bool registerTestWindowClass();
};

// The program's application object.
QuizApp& quizApp();
