#pragma once
// CDiskFile: a thin layer over the Win32 file calls. Operations answer their
// result and, when given an error record, fill it on failure; they never show
// anything. The destructor closes a file that open opened.
#include "framework/core/FileError.h"
#include "framework/core/Text.h"

class CDiskFile {
 public:
  // Open flags: access in bits 0-1, sharing in bits 4-6, and options.
  enum : unsigned {
    kRead = 0x0, kWrite = 0x1, kReadWrite = 0x2, kNoAccess = 0x3,
    kShareExclusive = 0x10, kShareDenyWrite = 0x20, kShareDenyRead = 0x30, kShareDenyNone = 0x40,
    kNoInherit = 0x80,
    kCreate = 0x1000, kNoTruncate = 0x2000,
    kCreateNew = 0x4000,  // creates a file that does not exist yet, else fails
  };

  CDiskFile() = default;
  CDiskFile(const CDiskFile&) = delete;
  CDiskFile& operator=(const CDiskFile&) = delete;
  virtual ~CDiskFile();

  virtual DWORD position();  // 0 on failure
  virtual CText path() const;
  virtual CText fileTitle() const;
  virtual CText fullPath() const;
  virtual void setPath(const char* path);
  virtual bool open(const char* name, unsigned flags, CFileError* error);
  virtual DWORD seek(LONG distance, DWORD method, CFileError* error);  // new position, 0 on failure
  virtual void setLength(DWORD length);
  virtual DWORD length();
  // Answers count, or 0 when fewer bytes than count arrived.
  virtual DWORD read(void* buffer, DWORD count, CFileError* error);
  virtual bool write(const void* buffer, DWORD count, CFileError* error);
  virtual bool lock(DWORD offset, DWORD count);
  virtual bool unlock(DWORD offset, DWORD count);
  virtual bool flush();
  // Answers true only when closing the handle failed.
  virtual bool close();

  HANDLE handle() const { return handle_; }
  bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  void fail(CFileError* error, const char* name);

  HANDLE handle_ = INVALID_HANDLE_VALUE;
  unsigned openFlag_ = 0;
  CText path_;
};
