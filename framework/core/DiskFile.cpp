#include "framework/core/DiskFile.h"

namespace {

const int kPathBuffer = 2000;

DWORD accessOf(unsigned flags) {
  switch (flags & 3) {
    case CDiskFile::kRead: return GENERIC_READ;
    case CDiskFile::kWrite: return GENERIC_WRITE;
    case CDiskFile::kReadWrite: return GENERIC_READ | GENERIC_WRITE;
    default: return 0;
  }
}

DWORD shareOf(unsigned flags) {
  switch (flags & 0x70) {
    case CDiskFile::kShareDenyWrite: return FILE_SHARE_READ;
    case CDiskFile::kShareDenyRead: return FILE_SHARE_WRITE;
    case CDiskFile::kShareDenyNone: return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default: return 0;
  }
}

DWORD dispositionOf(unsigned flags) {
  if (flags & CDiskFile::kCreateNew) return CREATE_NEW;
  if (!(flags & CDiskFile::kCreate)) return OPEN_EXISTING;
  return flags & CDiskFile::kNoTruncate ? OPEN_ALWAYS : CREATE_ALWAYS;
}

}  // namespace

CDiskFile::~CDiskFile() {
  if (handle_ != INVALID_HANDLE_VALUE && openFlag_) CloseHandle(handle_);
}

void CDiskFile::fail(CFileError* error, const char* name) {
  if (error) error->setFromSystem(GetLastError(), name);
}

DWORD CDiskFile::position() {
  DWORD result = SetFilePointer(handle_, 0, nullptr, FILE_CURRENT);
  return result == INVALID_SET_FILE_POINTER ? 0 : result;
}

CText CDiskFile::path() const { return path_; }

CText CDiskFile::fileTitle() const {
  CText title;
  char* buffer = title.getBuffer(kPathBuffer, false);
  if (buffer && GetFileTitleA(path_.c_str(), buffer, kPathBuffer) != 0) *buffer = 0;
  title.releaseBuffer();
  return title;
}

CText CDiskFile::fullPath() const {
  CText full;
  char* buffer = full.getBuffer(kPathBuffer, false);
  if (!buffer) return full;
  DWORD length = GetFullPathNameA(path_.c_str(), kPathBuffer, buffer, nullptr);
  full.releaseBuffer(length < kPathBuffer ? static_cast<int>(length) : 0);
  return full;
}

void CDiskFile::setPath(const char* path) { path_ = path; }

bool CDiskFile::open(const char* name, unsigned flags, CFileError* error) {
  if (openFlag_) close();
  openFlag_ = 1;
  char full[MAX_PATH];
  DWORD length = GetFullPathNameA(name, MAX_PATH, full, nullptr);
  path_ = length > 0 && length < MAX_PATH ? full : name;
  SECURITY_ATTRIBUTES security = {sizeof security, nullptr, (flags & kNoInherit) ? FALSE : TRUE};
  handle_ = CreateFileA(name, accessOf(flags), shareOf(flags), &security, dispositionOf(flags),
                        FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle_ != INVALID_HANDLE_VALUE) return true;
  fail(error, name);
  return false;
}

DWORD CDiskFile::seek(LONG distance, DWORD method, CFileError* error) {
  DWORD result = SetFilePointer(handle_, distance, nullptr, method);
  if (result != INVALID_SET_FILE_POINTER) return result;
  fail(error, path_.c_str());
  return 0;
}

void CDiskFile::setLength(DWORD length) {
  seek(static_cast<LONG>(length), FILE_BEGIN, nullptr);
  SetEndOfFile(handle_);
}

DWORD CDiskFile::length() { return GetFileSize(handle_, nullptr); }

DWORD CDiskFile::read(void* buffer, DWORD count, CFileError* error) {
  if (count == 0) return 0;
  DWORD done = 0;
  if (ReadFile(handle_, buffer, count, &done, nullptr) && done == count) return count;
  fail(error, path_.c_str());
  return 0;
}

bool CDiskFile::write(const void* buffer, DWORD count, CFileError* error) {
  if (count == 0) return true;
  DWORD done = 0;
  if (WriteFile(handle_, buffer, count, &done, nullptr) && done == count) return true;
  fail(error, path_.c_str());
  return false;
}

bool CDiskFile::lock(DWORD offset, DWORD count) { return LockFile(handle_, offset, 0, count, 0) != 0; }

bool CDiskFile::unlock(DWORD offset, DWORD count) {
  return UnlockFile(handle_, offset, 0, count, 0) != 0;
}

bool CDiskFile::flush() { return FlushFileBuffers(handle_) != 0; }

bool CDiskFile::close() {
  bool failed = false;
  if (handle_ != INVALID_HANDLE_VALUE) failed = !CloseHandle(handle_);
  handle_ = INVALID_HANDLE_VALUE;
  openFlag_ = 0;
  path_.clear();
  return failed;
}
