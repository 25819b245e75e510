#include "quiz/Autosave.h"

#include "framework/win/WinFileFinder.h"
#include "quiz/drill/AutosaveFiles.h"
#include "wordlist/WordFile.h"

#include <shlobj.h>

Autosave::Autosave(Settings& settings, const InstanceList& instances, const char* programFolder,
                   const char* appFolderName)
    : settings_(settings), instances_(instances), programFolder_(programFolder), folder_(programFolder) {
  if (!folderWritable(programFolder)) {
    char localData[MAX_PATH];
    if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, localData))) {
      folder_ = localData;
      folder_.append("\\");
      folder_.append(appFolderName);
      CreateDirectoryA(folder_.c_str(), nullptr);
    }
  }
  settings.instanceId = freeInstanceId(settings.instanceId, idsInUse());
  ownPath_ = autosavePath(folder_.c_str(), settings.instanceId);
}

std::vector<DWORD> Autosave::idsInUse() const {
  std::vector<DWORD> ids;
  for (const CText& folder : folders()) {
    CWinFileFinder finder;
    for (bool found = finder.findFirst(autosavePattern(folder.c_str()).c_str()); found; found = finder.findNext())
      ids.push_back(autosaveIdOf(finder.name()));
  }
  return ids;
}

bool Autosave::folderWritable(const char* folder) {
  CText probe(folder);
  probe.append("\\~wdlprobe.tmp");
  HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

void Autosave::tick(WordList& document, AutosaveLender& lender) {
  if (!autosaveTick(settings_)) return;
  CText fileName(document.fileName);
  int format = document.format;
  document.fileName = ownPath_;
  lender.snapshotToList();
  FileResult result = writeWordFile(document);
  lender.releaseSnapshot();
  document.fileName.swap(fileName);
  document.format = format;
  if (result == FileResult::Ok) releaseRestored();
}

void Autosave::releaseRestored() {
  if (!restored_.empty()) DeleteFileA(restored_.c_str());
  restored_.clear();
}

std::vector<CText> Autosave::folders() const {
  std::vector<CText> result{programFolder_};
  if (folder_.compareNoCase(programFolder_.c_str()) != 0) result.push_back(folder_);
  return result;
}

CText Autosave::chooseLeftOver(const Offer& offer) const {
  for (const CText& folder : folders()) {
    CWinFileFinder finder;
    for (bool found = finder.findFirst(autosavePattern(folder.c_str()).c_str()); found; found = finder.findNext()) {
      DWORD id = autosaveIdOf(finder.name());
      if (id == settings_.instanceId || instances_.isOther(id)) continue;
      CText path = finder.fullPath();
      FILETIME raw, local;
      SYSTEMTIME created;
      finder.creationTime(&raw);
      FileTimeToLocalFileTime(&raw, &local);
      FileTimeToSystemTime(&local, &created);
      if (offer(created)) return path;
      DeleteFileA(path.c_str());
    }
  }
  return CText();
}

void Autosave::deleteOwnFile() const { DeleteFileA(ownPath_.c_str()); }
