#pragma once
// A file written beside its target and moved over it only when complete, so
// that a failed save never destroys the previous file.
#include "framework/core/DiskFile.h"

class CReplacingFile : public CDiskFile {
 public:
  ~CReplacingFile() override;

  // Creates the temporary file in the target's folder for writing, under a
  // name that no other file has. Fails for a read-only target.
  bool create(const char* target, CFileError* error);
  // Closes the temporary file and moves it over the target, which keeps its
  // attributes. On failure the temporary file is removed and the target stays
  // as it was.
  bool commit(CFileError* error);
  // Closes and removes the temporary file.
  void abandon();

 private:
  CText target_;
  CText temporary_;
  DWORD attributes_ = INVALID_FILE_ATTRIBUTES;  // the target's, when it exists
};
