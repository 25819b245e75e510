#include "framework/core/FileError.h"

#include "framework/core/StringFunctions.h"

int CFileError::report(UINT style, UINT fallbackId) const {
  char message[1000];
  if (!getMessage(message, sizeof message)) {
    if (fallbackId == 0 || LoadStringA(resourceModule(), fallbackId, message, sizeof message) == 0)
      copyBounded(message, "No error message is available.", sizeof message - 1);
  }
  return MessageBoxA(GetActiveWindow(), message, "File Error", style);
}
