#pragma once
// QuizFileDialog: the quiz program's one routine for every file choice. It
// puts up the system's explorer-style open or save dialog with the filter
// list of a choice, preselects the filter that fits the current file type,
// starts in the word files folder (Settings::FilePath) when the current name
// is no existing file, and turns the chosen filter back into a file type. The
// wave choice adds the preview panel (WavePreview). Windows only.
#include "framework/core/Text.h"

class CWinFileDialog;
class Settings;

class QuizFileDialog {
 public:
  // Filter lists: kWordFiles 28004, kWordOrAllFiles 28005, kListFiles 28002,
  // kWaveFiles 28003, any other choice 28001 (word, text, OEM text and all
  // files). Choice 4 takes the list of 28001 and preselects like kListFiles.
  enum Choice { kAnyFiles = 0, kWordFiles = 1, kWordOrAllFiles = 2, kListFiles = 3, kWaveFiles = 5 };
  // The file type the wave choice answers; the others answer a ListFormat.
  enum { kWaveType = 5 };

  // Borrows settings for the dialog's life; run() empties FilePath when that
  // folder no longer exists.
  explicit QuizFileDialog(Settings& settings);

  // Shows the open (open true) or save dialog, modal to owner, titled title.
  // *fileName: the current file name in; the chosen path out, emptied when
  // nothing was chosen. *fileType: the current file type (a ListFormat) in;
  // on success the ListFormat of the chosen filter entry (kFormatNone, read
  // as "detect the format", for "All Files"), or kWaveType for the wave
  // choice, which is always an open dialog; unchanged otherwise. Answers true when a file
  // was chosen. Without memory for the dialog it shows string 21005 with
  // caption 21000 and answers false.
  bool run(HWND owner, const char* title, bool open, int choice, CText* fileName, int* fileType);

 private:
  void chooseStartFolder(const CText& fileName, CWinFileDialog* dialog);
  void reportNoMemory(HWND owner) const;

  Settings& settings_;
};
