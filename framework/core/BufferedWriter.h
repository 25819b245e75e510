#pragma once
// Collects small writes into large ones on an open CDiskFile, through one
// buffer of fixed size, so that writing a file of any length needs no more
// memory than that. The first failed write is kept: later writes do nothing
// and ok() stays false.
#include "framework/core/DiskFile.h"

#include <cstring>
#include <memory>

class CBufferedWriter {
 public:
  static const unsigned kSize = 64 * 1024;

  CBufferedWriter(CDiskFile* file, CFileError* error);

  // The common short write only copies; the rest goes out of line.
  void write(const void* data, unsigned count) {
    if (count <= kSize - used_) {
      std::memcpy(buffer_.get() + used_, data, count);
      used_ += count;
    } else {
      writeThrough(data, count);
    }
  }
  void write(const CText& text) { write(text.c_str(), text.length()); }
  void write(char byte) {
    if (used_ < kSize) buffer_[used_++] = byte;
    else writeThrough(&byte, 1);
  }
  // Room for count bytes (at most kSize) after what is collected, which is
  // written first when the buffer lacks that room; the caller fills it and
  // then says how many of its bytes it used.
  char* room(unsigned count) {
    if (count > kSize - used_) flush();
    return buffer_.get() + used_;
  }
  void used(unsigned count) { used_ += count; }
  // Writes what is collected; answers whether every write so far succeeded.
  bool flush();
  bool ok() const { return ok_; }

 private:
  void writeThrough(const void* data, unsigned count);

  CDiskFile* file_;
  CFileError* error_;
  std::unique_ptr<char[]> buffer_;
  unsigned used_ = 0;
  bool ok_ = true;
};
