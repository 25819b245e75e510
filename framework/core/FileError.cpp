#include "framework/core/FileError.h"

#include "framework/core/StringFunctions.h"

#include <cstring>

namespace {

const char* const kCauseTexts[CFileError::kCauseCount] = {
    "No error.", "Generic error.", "File not found.", "Invalid path.", "Too many open files.",
    "Access denied.", "Invalid file.", "File corrupt.", "File exist.", "Removing current directory.",
    "Directory full.", "Bad seek.", "Invalid IO operation.", "Sharing violation.", "Lock violation",
    "Disk is write protected.", "Write fault.", "Read fault.", "Cannot create file.", "Disk full.",
    "End of file.", "Cannot open the specified file.", "Unknown error.",
};

}  // namespace

bool CErrorRecord::getMessage(char* buffer, int size) const {
  copyBounded(buffer, "No error", size - 1);
  return true;
}

CFileError::CFileError(int cause, int systemError, const char* fileName)
    : fileName(fileName), systemError(systemError) {
  this->cause = cause;
}

int CFileError::causeFromSystem(DWORD error) {
  switch (error) {
    case 0: return kNone;
    case 31: return kGeneric;
    case 2: return kFileNotFound;
    case 3: case 267: return kBadPath;
    case 4: return kTooManyOpenFiles;
    case 5: return kAccessDenied;
    case 6: return kInvalidFile;
    case 1392: return kFileCorrupt;
    case 80: return kFileExists;
    case 16: return kRemoveCurrentDir;
    case 197: case 996: case 997: case 1111: case 1117: return kHardIO;
    case 32: return kSharingViolation;
    case 33: return kLockViolation;
    case 19: return kWriteProtected;
    case 29: return kWriteFault;
    case 30: return kReadFault;
    case 82: return kCannotCreate;
    case 112: return kDiskFull;
    case 38: return kEndOfFile;
    case 110: return kCannotOpen;
    default: return kUnknown;
  }
}

void CFileError::setFromSystem(DWORD error, const char* name) {
  systemError = static_cast<int>(error);
  cause = causeFromSystem(error);
  fileName = name;
}

bool CFileError::getMessage(char* buffer, int size) const {
  if (cause < 0 || cause >= kCauseCount || size <= 0) return false;
  const char* text = kCauseTexts[cause];
  int textLength = static_cast<int>(std::strlen(text));
  if (textLength >= size) {
    copyBounded(buffer, text, size - 1);
    return true;
  }
  copyBounded(buffer, text, textLength);
  if (size >= textLength + static_cast<int>(fileName.length()) + 8) {
    std::strcat(buffer, " File: ");
    std::strcat(buffer, fileName.c_str());
  }
  return true;
}
