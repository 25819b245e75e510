#pragma once
// ManageFiles: the File > Manage Files commands of the quiz window, on the
// file of the open list: delete it, rename it in its folder, move it or copy
// it elsewhere. The list in memory stays open; only the document's file name
// follows the file, as a full path. A move or copy onto the file itself,
// however the name is spelt, does nothing, so the file is never copied onto
// itself nor deleted as the old copy of itself; a rename that only changes
// the spelling (such as the case) goes ahead. A move whose old file cannot
// be deleted is reported and leaves the document on the old file. The quiz
// window refreshes its title afterwards.
#include "quiz/drill/Settings.h"
#include "wordlist/WordList.h"

class ManageFiles {
 public:
  // Borrows all three for the command's run.
  ManageFiles(HWND owner, WordList& document, Settings& settings);

  // Runs one of IDM_QUIZ_DELETE_FILE to IDM_QUIZ_COPY_FILE; nothing happens
  // while the document has no file name.
  void run(UINT command);

 private:
  void deleteListFile();
  void renameListFile();
  // Move and Copy.
  void transferListFile(UINT titleId, bool move);
  // Asks for a name with the Input dialog; false when cancelled, empty or
  // equal to current.
  bool askName(UINT titleId, const CText& current, bool browse, CText* name);
  void report(UINT textId, const char* argument = "");

  HWND owner_;
  WordList& document_;
  Settings& settings_;
};
