#include "framework/ReplacingFile.h"

CReplacingFile::~CReplacingFile() { abandon(); }

namespace {

// A target that could not be written in place (read-only, or held by another
// program) must not be replaced either.
bool targetWritable(const char* target, CFileError* error) {
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

}  // namespace

bool CReplacingFile::create(const char* target, CFileError* error) {
  abandon();
  if (!targetWritable(target, error)) return false;
  target_ = target;
  int slash = target_.findLast('\\');
  if (target_.findLast('/') > slash) slash = target_.findLast('/');
  temporary_ = target_.left(slash + 1);
  temporary_.append("~wdl");
  temporary_.setRadix(16);
  temporary_.append(static_cast<long>(GetTickCount() & 0xFFFFFF));
  temporary_.append(".tmp");
  if (open(temporary_.c_str(), kCreate | kShareDenyWrite | kWrite, error)) return true;
  temporary_.clear();
  return false;
}

bool CReplacingFile::commit(CFileError* error) {
  bool closeFailed = close();
  if (!closeFailed &&
      MoveFileExA(temporary_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    temporary_.clear();
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
