#pragma once
// Collects small writes into large ones on an open CDiskFile. The first failed
// write is kept: later writes do nothing and ok() stays false.
#include "framework/DiskFile.h"

#include <memory>

class CBufferedWriter {
 public:
  CBufferedWriter(CDiskFile* file, CFileError* error);

  void write(const void* data, unsigned count);
  void write(const CText& text) { write(text.c_str(), text.length()); }
  void write(char byte) { write(&byte, 1); }
  // Writes what is collected; answers whether every write so far succeeded.
  bool flush();
  bool ok() const { return ok_; }

 private:
  CDiskFile* file_;
  CFileError* error_;
  std::unique_ptr<char[]> buffer_;
  unsigned used_ = 0;
  bool ok_ = true;
};
