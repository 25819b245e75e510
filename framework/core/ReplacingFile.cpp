#include "framework/core/ReplacingFile.h"

#include <atomic>

CReplacingFile::~CReplacingFile() { abandon(); }

namespace {

const int kNameAttempts = 1000;

// A target that could not be written in place (read-only, or held by another
// program) must not be replaced either. The read-only mark is checked on its
// own, since a write probe does not refuse everywhere (Wine running as root).
bool targetWritable(const char* target, CFileError* error) {
  DWORD attributes = GetFileAttributesA(target);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    if (error) error->setFromSystem(ERROR_ACCESS_DENIED, target);
    return false;
  }
  HANDLE probe = CreateFileA(target, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
  if (probe != INVALID_HANDLE_VALUE) {
    CloseHandle(probe);
    return true;
  }
  DWORD reason = GetLastError();
  if (reason == ERROR_FILE_NOT_FOUND) return true;
  if (error) error->setFromSystem(reason, target);
  return false;
}

// Candidate names differ by process and by a counter, so that saves running
// at the same time, in this process or in others, try different names first.
CText temporaryName(const CText& folder, unsigned attempt) {
  static std::atomic<unsigned> counter{0};
  CText name = folder;
  name.append("~wdl");
  name.setRadix(16);
  name.append(static_cast<long>(GetCurrentProcessId() & 0xFFFF));
  name.append('-');
  name.append(static_cast<long>((GetTickCount() + ++counter + attempt) & 0xFFFFFF));
  name.append(".tmp");
  return name;
}

bool alreadyExists(const CFileError& reason) {
  return reason.systemError == ERROR_FILE_EXISTS || reason.systemError == ERROR_ALREADY_EXISTS;
}

}  // namespace

bool CReplacingFile::create(const char* target, CFileError* error) {
  abandon();
  if (!targetWritable(target, error)) return false;
  target_ = target;
  attributes_ = GetFileAttributesA(target);
  int slash = target_.findLast('\\');
  if (target_.findLast('/') > slash) slash = target_.findLast('/');
  CText folder = target_.left(slash + 1);
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    temporary_ = temporaryName(folder, attempt);
    CFileError reason(0, -1, nullptr);
    if (open(temporary_.c_str(), kCreateNew | kShareDenyWrite | kWrite, &reason)) return true;
    if (!alreadyExists(reason)) {
      if (error) error->setFromSystem(static_cast<DWORD>(reason.systemError), target);
      break;
    }
  }
  temporary_.clear();
  return false;
}

bool CReplacingFile::commit(CFileError* error) {
  bool closeFailed = close();
  if (!closeFailed &&
      MoveFileExA(temporary_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    temporary_.clear();
    if (attributes_ != INVALID_FILE_ATTRIBUTES) SetFileAttributesA(target_.c_str(), attributes_);
    return true;
  }
  if (error) error->setFromSystem(GetLastError(), target_.c_str());
  abandon();
  return false;
}

void CReplacingFile::abandon() {
  close();
  if (!temporary_.empty()) DeleteFileA(temporary_.c_str());
  temporary_.clear();
}
