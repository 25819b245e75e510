#include "dialogs/QuizFileDialog.h"

#include "dialogs/WavePreview.h"
#include "framework/core/FileSystem.h"
#include "framework/win/WinFileDialog.h"
#include "quiz/drill/Settings.h"
#include "resources/QuizResourceIds.h"
#include "wordlist/WordList.h"

#include <memory>
#include <new>

namespace {

const int kPreselectingChoice = 4;
const DWORD kCommonFlags = OFN_ENABLESIZING | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOREADONLYRETURN;
const char kWordFileExtension[] = "wdl";

UINT filterStringId(int choice) {
  switch (choice) {
    case QuizFileDialog::kWordFiles: return QuizString::kFilterWordFile;
    case QuizFileDialog::kWordOrAllFiles: return QuizString::kFilterWordOrAll;
    case QuizFileDialog::kListFiles: return QuizString::kFilterSave;
    case QuizFileDialog::kWaveFiles: return QuizString::kFilterWave;
    default: return QuizString::kFilterOpen;
  }
}

// Entries of every filter list but the wave list, in list order: word files,
// text, OEM text; the "All Files" entries (second of kWordOrAllFiles, fourth
// of the others) let the reader detect the format.
int typeOfFilterIndex(int choice, DWORD index) {
  if (choice == QuizFileDialog::kWaveFiles) return QuizFileDialog::kWaveType;
  if (choice == QuizFileDialog::kWordOrAllFiles && index == 2) return kFormatNone;
  switch (index) {
    case 1: return kFormatWordFile;
    case 2: return kFormatText;
    case 3: return kFormatOemText;
    default: return kFormatNone;
  }
}

DWORD initialFilterIndex(int choice, int fileType) {
  if (choice != QuizFileDialog::kListFiles && choice != kPreselectingChoice) return 1;
  if (fileType == kFormatText) return 2;
  if (fileType == kFormatOemText) return 3;
  return 1;
}

DWORD dialogFlags(bool open) {
  return kCommonFlags | (open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
}

bool startFolderExists(const CText& folder) {
  // A typed folder may end in a backslash, which the folder check does not take.
  int length = static_cast<int>(folder.length());
  if (length > 3 && folder.at(length - 1) == '\\') return folderExists(folder.left(length - 1).c_str());
  return folderExists(folder.c_str());
}

std::unique_ptr<CWinFileDialog> makeDialog(bool wave, bool open, const char* fileName, const char* filter) {
  if (wave) {
    return std::unique_ptr<CWinFileDialog>(new (std::nothrow) WavePreview(fileName, dialogFlags(true), filter));
  }
  // Typed names without an extension are saved as the chosen filter's type.
  const char* extension = open ? nullptr : kWordFileExtension;
  return std::unique_ptr<CWinFileDialog>(
      new (std::nothrow) CWinFileDialog(open, extension, fileName, dialogFlags(open), filter));
}

bool failedForMemory() {
  DWORD error = CommDlgExtendedError();
  return error == CDERR_MEMALLOCFAILURE || error == CDERR_MEMLOCKFAILURE;
}

}  // namespace

QuizFileDialog::QuizFileDialog(Settings& settings) : settings_(settings) {}

bool QuizFileDialog::run(HWND owner, const char* title, bool open, int choice, CText* fileName, int* fileType) {
  CText filter;
  filter.load(filterStringId(choice));
  bool wave = choice == kWaveFiles;
  std::unique_ptr<CWinFileDialog> dialog = makeDialog(wave, open || wave, fileName->c_str(), filter.c_str());
  if (!dialog) {
    reportNoMemory(owner);
    fileName->clear();
    return false;
  }
  dialog->setTitle(title);
  dialog->ofn.nFilterIndex = initialFilterIndex(choice, *fileType);
  chooseStartFolder(*fileName, dialog.get());
  if (!dialog->run(owner)) {
    if (failedForMemory()) reportNoMemory(owner);
    fileName->clear();
    return false;
  }
  *fileName = dialog->file;
  *fileType = typeOfFilterIndex(choice, dialog->ofn.nFilterIndex);
  return true;
}

void QuizFileDialog::chooseStartFolder(const CText& fileName, CWinFileDialog* dialog) {
  if (settings_.FilePath.empty() || fileExists(fileName.c_str())) return;
  if (startFolderExists(settings_.FilePath)) dialog->setInitialFolder(settings_.FilePath.c_str());
  else settings_.FilePath.clear();
}

void QuizFileDialog::reportNoMemory(HWND owner) const {
  CText text;
  CText caption;
  text.load(QuizString::kNoMemory);
  caption.load(QuizString::kErrorCaption);
  MessageBoxA(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}
