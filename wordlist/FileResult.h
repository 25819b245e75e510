#pragma once
#include "framework/core/Win32.h"

// Results of opening and saving word lists; only the calling window turns
// them into messages.
enum class FileResult : unsigned char {
  Ok = 0,
  CannotOpen = 1,
  Invalid = 2,
  UnknownFormat = 3,
  NoMemory = 4,
  OldFormat = 5,  // only from the header summary
  CannotCreate = 6,
  CannotWrite = 7,
};

// The result's name as written above ("Invalid"), for logs and tools.
const char* fileResultName(FileResult result);

// The string id of the message the program shows for a failed result: the
// open messages take the file name for their %s.
UINT fileResultMessageId(FileResult result);
