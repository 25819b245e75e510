#pragma once
// The whole content of an open file in memory, with one spare byte after it
// for an end marker.
#include "framework/core/DiskFile.h"
#include "wordlist/FileResult.h"

#include <memory>

struct FileContents {
  // Reads all of file: NoMemory when the buffer cannot be had, Invalid on a
  // short read.
  FileResult read(CDiskFile& file);

  std::unique_ptr<char[]> bytes;
  DWORD size = 0;
};
