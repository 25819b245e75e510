#include "quiz/ManageFiles.h"

#include "editor/InputDialog.h"
#include "framework/core/FileSystem.h"
#include "framework/win/WaitCursor.h"
#include "resources/QuizResourceIds.h"

namespace {

CText fullPath(const CText& path) {
  char full[MAX_PATH];
  DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  return length > 0 && length < MAX_PATH ? CText(full) : path;
}

// The system's move may leave a name that reaches the same file (one that
// differs only in case) as it was, so such a rename goes through a temporary
// name in the same folder.
bool renameFile(const CText& from, const CText& to, const CText& folder) {
  if (!sameFile(from.c_str(), to.c_str())) return moveFile(from.c_str(), to.c_str());
  char temporary[MAX_PATH];
  if (!GetTempFileNameA(folder.c_str(), "wdl", 0, temporary)) return false;
  if (!MoveFileExA(from.c_str(), temporary, MOVEFILE_REPLACE_EXISTING)) {
    deleteFile(temporary);
    return false;
  }
  if (moveFile(temporary, to.c_str())) return true;
  moveFile(temporary, from.c_str());
  return false;
}

}  // namespace

ManageFiles::ManageFiles(HWND owner, WordList& document, Settings& settings)
    : owner_(owner), document_(document), settings_(settings) {}

void ManageFiles::run(UINT command) {
  if (document_.fileName.empty()) return;
  switch (command) {
    case IDM_QUIZ_DELETE_FILE: deleteListFile(); break;
    case IDM_QUIZ_RENAME_FILE: renameListFile(); break;
    case IDM_QUIZ_MOVE_FILE: transferListFile(QuizString::kMoveFileTitle, true); break;
    case IDM_QUIZ_COPY_FILE: transferListFile(QuizString::kCopyFileTitle, false); break;
  }
}

// The list stays in memory as changed, so that closing offers to save it.
void ManageFiles::deleteListFile() {
  if (resourceMessageBox(owner_, QuizString::kDeleteFileQuestion, QuizString::kDeleteFileCaption,
                         MB_YESNO | MB_ICONQUESTION, document_.fileName.c_str()) != IDYES)
    return;
  if (!deleteFile(document_.fileName.c_str())) {
    report(QuizString::kCannotDeleteFile, document_.fileName.c_str());
    return;
  }
  document_.fileName.clear();
  settings_.setModified(true);
}

void ManageFiles::renameListFile() {
  const CText& path = document_.fileName;
  int nameStart = path.findLast('\\') + 1;
  CText folder = path.left(nameStart);
  CText name = path.mid(nameStart, static_cast<int>(path.length()) - nameStart);
  CText newName;
  if (!askName(QuizString::kRenameFileTitle, name, false, &newName)) return;
  CText newPath(folder);
  newPath.append(newName);
  if (!renameFile(path, newPath, folder)) {
    report(QuizString::kCannotRenameFile);
    return;
  }
  document_.fileName = fullPath(newPath);
}

// The copy replaces a file of the new name without asking. A move deletes
// the old file only after the copy is complete.
void ManageFiles::transferListFile(UINT titleId, bool move) {
  const CText& path = document_.fileName;
  CText destination;
  if (!askName(titleId, path, true, &destination) || sameFile(path.c_str(), destination.c_str())) return;
  bool done;
  {
    CWaitCursor wait;
    done = CopyFileA(path.c_str(), destination.c_str(), FALSE) && (!move || deleteFile(path.c_str()));
  }
  if (!done) {
    report(move ? QuizString::kCannotMoveFile : QuizString::kCannotCopyFile);
    return;
  }
  document_.fileName = fullPath(destination);
}

bool ManageFiles::askName(UINT titleId, const CText& current, bool browse, CText* name) {
  InputDialog dialog(settings_);
  {
    CWaitCursor wait;
    dialog.title.load(titleId);
    dialog.prompt.load(QuizString::kNewFilenamePrompt);
    dialog.okCaption.load(QuizString::kButtonOk);
    dialog.cancelCaption.load(QuizString::kButtonCancel);
    dialog.value = current;
    dialog.browse = browse;
  }
  dialog.runModal(owner_);
  *name = dialog.value;
  return dialog.accepted && !name->empty() && *name != current.c_str();
}

void ManageFiles::report(UINT textId, const char* argument) {
  resourceMessageBox(owner_, textId, QuizString::kErrorCaption, MB_OK | MB_ICONERROR, argument);
}
