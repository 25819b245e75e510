#pragma once
// Collects small writes into large ones on an open CDiskFile, through one
// buffer of fixed size, so that writing a file of any length needs no more
// memory than that. The first failed write is kept: later writes do nothing
// and ok() stays false.
#include "framework/core/DiskFile.h"

#include <cstdint>
#include <cstring>
#include <memory>

class CBufferedWriter {
 public:
  static const unsigned kSize = 64 * 1024;
  // The most that room() hands out.
  static const unsigned kMostRoom = kSize / 2;

  CBufferedWriter(CDiskFile* file, CFileError* error);

  // The common short write only copies; the rest goes out of line.
  void write(const void* data, unsigned count) {
    if (count < kSize - used_) {
      copy(buffer_.get() + used_, static_cast<const char*>(data), count);
      used_ += count;
    } else {
      writeThrough(data, count);
    }
  }
  void write(const CText& text) { write(text.c_str(), text.length()); }
  void write(char byte) {
    buffer_[used_++] = byte;
    if (used_ == kSize) writeWhole();
  }
  // Room for count bytes (at most kMostRoom) after what is collected; the
  // caller fills it and then says how many of its bytes it used.
  char* room(unsigned) { return buffer_.get() + used_; }
  void used(unsigned count) {
    used_ += count;
    if (used_ >= kSize) writeWhole();
  }
  // Writes what is collected; answers whether every write so far succeeded.
  bool flush();
  bool ok() const { return ok_; }

 private:
  // Words and records are mostly eight to sixteen bytes, which two copies of
  // eight that may overlap take without a call.
  static void copy(char* out, const char* in, unsigned count) {
    if (count < 8 || count > 16) {
      std::memcpy(out, in, count);
      return;
    }
    uint64_t head, tail;
    std::memcpy(&head, in, 8);
    std::memcpy(&tail, in + count - 8, 8);
    std::memcpy(out, &head, 8);
    std::memcpy(out + count - 8, &tail, 8);
  }

  void writeThrough(const void* data, unsigned count);
  // Writes the buffer's first kSize bytes and keeps what lies beyond them, so
  // that the file is written in whole buffers: a piece that ends inside a
  // page costs the system more than a longer one.
  void writeWhole();

  CDiskFile* file_;
  CFileError* error_;
  std::unique_ptr<char[]> buffer_;
  unsigned used_ = 0;  // below kSize between calls
  bool ok_ = true;
};
