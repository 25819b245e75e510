#include "dialogs/PathsPage.h"

#include "dialogs/QuizFileDialog.h"
#include "framework/core/FileSystem.h"
#include "framework/win/WaitCursor.h"
#include "framework/win/WinFolderDialog.h"
#include "resources/QuizResourceIds.h"
#include "wordlist/WordList.h"

namespace {

const int kEdits[] = {IDC_PATHS_RIGHT_SOUND, IDC_PATHS_WRONG_SOUND, IDC_PATHS_FOLDER};

bool isEdit(UINT id) {
  for (int edit : kEdits)
    if (static_cast<UINT>(edit) == id) return true;
  return false;
}

}  // namespace

PathsPage::PathsPage(Settings& settings) : CWinDialog(IDD_SETTINGS_PATHS), settings_(settings) {}

LRESULT PathsPage::onInitDialog(HWND) {
  for (int edit : kEdits) SendDlgItemMessageA(hwnd, edit, EM_LIMITTEXT, MAX_PATH, 0);
  if (fileExists(settings_.PlayFile1.c_str())) SetDlgItemTextA(hwnd, IDC_PATHS_RIGHT_SOUND, settings_.PlayFile1.c_str());
  if (fileExists(settings_.PlayFile2.c_str())) SetDlgItemTextA(hwnd, IDC_PATHS_WRONG_SOUND, settings_.PlayFile2.c_str());
  SetDlgItemTextA(hwnd, IDC_PATHS_FOLDER, settings_.FilePath.c_str());
  return 0;
}

LRESULT PathsPage::onCommand(UINT id, UINT code, HWND) {
  if (code == EN_SETFOCUS && isEdit(id)) SendDlgItemMessageA(hwnd, id, EM_SETSEL, 0, -1);
  if (code != BN_CLICKED) return 0;
  switch (id) {
    case IDC_PATHS_GET_RIGHT: chooseSound(IDC_PATHS_RIGHT_SOUND); break;
    case IDC_PATHS_GET_WRONG: chooseSound(IDC_PATHS_WRONG_SOUND); break;
    case IDC_PATHS_GET_FOLDER: chooseFolder(); break;
  }
  return 0;
}

void PathsPage::apply() {
  settings_.PlayFile1 = existingFile(IDC_PATHS_RIGHT_SOUND);
  settings_.PlayFile2 = existingFile(IDC_PATHS_WRONG_SOUND);
  getItemText(IDC_PATHS_FOLDER, settings_.FilePath);
}

void PathsPage::chooseSound(int editId) {
  CWaitCursor wait;
  CText name = existingFile(editId);
  CText title;
  title.load(QuizString::kOpenFileTitle);
  int type = kFormatWordFile;
  QuizFileDialog dialog(settings_);
  if (dialog.run(hwnd, title.c_str(), true, QuizFileDialog::kWaveFiles, &name, &type))
    SetDlgItemTextA(hwnd, editId, name.c_str());
}

void PathsPage::chooseFolder() {
  CWaitCursor wait;
  CWinFolderDialog dialog(QuizString::kGetFolderTitle, BIF_RETURNONLYFSDIRS, nullptr);
  CText folder;
  if (dialog.run(hwnd) && dialog.getPath(folder)) SetDlgItemTextA(hwnd, IDC_PATHS_FOLDER, folder.c_str());
}

CText PathsPage::existingFile(int editId) const {
  CText name;
  getItemText(editId, name);
  if (!fileExists(name.c_str())) name.clear();
  return name;
}
