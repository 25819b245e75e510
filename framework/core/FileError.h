#pragma once
// The error records that file operations fill in. Operations never show
// anything; the window that started a command decides what to show.
#include "framework/core/Text.h"

// The base record: every cause reads "No error".
class CErrorRecord {
 public:
  virtual ~CErrorRecord() = default;
  // Writes the message for the record into buffer (size bytes, terminated);
  // answers false when there is no text for the cause.
  virtual bool getMessage(char* buffer, int size) const;

  int cause = 0;
};

class CFileError : public CErrorRecord {
 public:
  enum Cause {
    kNone = 0, kGeneric, kFileNotFound, kBadPath, kTooManyOpenFiles, kAccessDenied, kInvalidFile,
    kFileCorrupt, kFileExists, kRemoveCurrentDir, kDirectoryFull, kBadSeek, kHardIO,
    kSharingViolation, kLockViolation, kWriteProtected, kWriteFault, kReadFault, kCannotCreate,
    kDiskFull, kEndOfFile, kCannotOpen, kUnknown, kCauseCount
  };

  CFileError(int cause = kNone, int systemError = -1, const char* fileName = nullptr);

  // Cause and system error from a GetLastError value.
  void setFromSystem(DWORD error, const char* name);
  static int causeFromSystem(DWORD error);

  bool getMessage(char* buffer, int size) const override;
  // Shows the message in a box owned by the active window, captioned
  // "File Error"; the fallback string is used when there is no message.
  // Windows only; returns the box's answer.
  int report(UINT style, UINT fallbackId) const;

  CText fileName;
  int systemError;
};
