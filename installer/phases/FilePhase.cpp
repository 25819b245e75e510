#include "installer/phases/FilePhase.h"

#include "framework/core/FileSystem.h"
#include "installer/phases/InstallResourceIds.h"
#include "installer/phases/InstallUser.h"
#include "installer/phases/PayloadSource.h"
#include "installer/phases/VersionTest.h"
#include "installer/phases/Win32SetupEnvironment.h"
#include "installer/script/ExistingFileRules.h"
#include "installer/script/InstallLogText.h"
#include "installer/script/SetupScript.h"

FilePhase::FilePhase(SetupScript& script, const PayloadSource& payloads, InstallUser& user)
    : script_(script), payloads_(payloads), user_(user) {}

bool FilePhase::run() { return walkEntries(script_, *this); }

bool FilePhase::visit(EntryLists& lists) {
  for (FileEntry& entry : lists.files) {
    if (user_.stopRequested()) return false;
    if (entry.isDirectory()) {
      makeDirectory(entry);
    } else if (!copyFile(entry)) {
      return false;
    }
  }
  return true;
}

void FilePhase::skipped(ConditionBlock&) { user_.stepProgress(); }

void FilePhase::makeDirectory(FileEntry& entry) {
  bool named = script_.expand(entry.destination);
  CText status;
  status.formatResource(InstallString::kCreatingDirectory, entry.destination.c_str());
  user_.showStatus(status.c_str());
  if (named) {
    CreateDirectoryA(entry.destination.c_str(), nullptr);
    script_.log.write(InstallLogText::directory(entry.destination.c_str()));
  }
  user_.stepProgress();
}

bool FilePhase::copyFile(FileEntry& entry) {
  bool named = script_.expand(entry.destination);
  user_.showStatus(entry.destination.c_str());
  bool goOn = !named || install(entry);
  user_.stepProgress();
  return goOn;
}

// Only a file that is there and cannot be deleted now waits for the next
// start of the system; a missing one is simply written.
bool FilePhase::install(FileEntry& entry) {
  CText realDestination;
  bool judged = !entry.minimumVersion.empty() || !entry.requiredExports.empty();
  if (judged && isFile(entry.destination.c_str())) {
    if (testInstalledVersion(entry.destination.c_str(), entry) == VersionVerdict::kAsk &&
        !confirmReplacingNewer(entry.destination))
      return true;
    if (!DeleteFileA(entry.destination.c_str())) {
      realDestination = entry.destination;
      entry.destination = withExtension(realDestination.c_str(), ".new");
    }
  }
  Outcome outcome = writeAsking(entry);
  if (outcome != kWritten) return outcome == kSkipped;
  script_.log.write(InstallLogText::file(entry.destination.c_str()));
  if (!realDestination.empty()) replaceAtRestart(realDestination, entry.destination);
  return true;
}

bool FilePhase::confirmReplacingNewer(const CText& destination) {
  CText question;
  question.formatResource(InstallString::kKeepNewerFile, destination.c_str());
  int answer = user_.ask(question.c_str(), CText::loaded(InstallString::kCopyingFiles).c_str(),
                         MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
  if (answer != IDYES) return false;
  CopyFileA(destination.c_str(), withExtension(destination.c_str(), ".bak").c_str(), FALSE);
  return true;
}

// The file is logged only once it is complete.
FilePhase::Outcome FilePhase::writeAsking(const FileEntry& entry) {
  for (;;) {
    PayloadWrite result = writePayloadFile(entry.destination.c_str(), payloads_, entry.payloadName.c_str());
    if (result == PayloadWrite::kWritten || result == PayloadWrite::kNoPayload) return kWritten;
    CText question;
    question.formatResource(InstallString::kCannotCopy, entry.destination.c_str());
    int answer = user_.ask(question.c_str(), CText::loaded(InstallString::kError).c_str(), MB_ABORTRETRYIGNORE);
    if (answer == IDABORT) return kAbort;
    if (answer != IDRETRY) return kSkipped;
  }
}

void FilePhase::replaceAtRestart(const CText& realDestination, const CText& replacement) {
  CText shortReal = shortPathName(realDestination.c_str());
  CText shortReplacement = shortPathName(replacement.c_str());
  CopyFileA(shortReal.c_str(), withExtension(shortReal.c_str(), ".bak").c_str(), FALSE);
  if (!MoveFileExA(shortReplacement.c_str(), shortReal.c_str(), MOVEFILE_DELAY_UNTIL_REBOOT | MOVEFILE_REPLACE_EXISTING)) {
    DWORD error = GetLastError();
    if (error == ERROR_ACCESS_DENIED) {
      CText message;
      message.formatResource(InstallString::kAccessDenied, shortReal.c_str());
      user_.ask(message.c_str(), CText::loaded(InstallString::kError).c_str(), MB_OK | MB_ICONINFORMATION);
      DeleteFileA(shortReplacement.c_str());
    } else if (error == ERROR_CALL_NOT_IMPLEMENTED) {
      CText wininit("%w\\wininit.ini");
      if (script_.expand(wininit))
        WritePrivateProfileStringA("rename", shortReal.c_str(), shortReplacement.c_str(), wininit.c_str());
    }
  }
  script_.restartFlag = 1;
}
