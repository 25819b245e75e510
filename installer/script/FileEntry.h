#pragma once
// FileEntry: one FILE or DIRECTORY line of the setup script.
#include "framework/core/Text.h"

class PayloadCatalog;

struct FileEntry {
  static constexpr long kDirectorySize = -1;

  CText payloadName;  // empty for a directory entry
  CText destination;  // target path with macros, or the directory path
  CText minimumVersion;
  CText requiredExports;
  long size = 0;  // payload bytes; kDirectorySize for a directory entry

  bool isDirectory() const { return size == kDirectorySize; }
  // What the entry adds to a size total: directories add nothing.
  long countedSize() const { return size > 0 ? size : 0; }

  // Reads a FILE value: payload name, destination, minimum version and
  // required exports, split at commas. A missing or empty destination becomes
  // "%d\" and the payload name.
  static FileEntry fromFile(const char* value, const PayloadCatalog& payloads);
  static FileEntry fromDirectory(const char* value);
};
