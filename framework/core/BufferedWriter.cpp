#include "framework/core/BufferedWriter.h"

CBufferedWriter::CBufferedWriter(CDiskFile* file, CFileError* error)
    : file_(file), error_(error), buffer_(new char[kSize + kMostRoom]) {}

// Fills the buffer and writes it; a piece at least as long as the buffer then
// goes to the file directly, without a copy.
void CBufferedWriter::writeThrough(const void* data, unsigned count) {
  const char* bytes = static_cast<const char*>(data);
  unsigned room = kSize - used_;
  std::memcpy(buffer_.get() + used_, bytes, room);
  used_ = kSize;
  writeWhole();
  bytes += room;
  count -= room;
  if (count >= kSize) {
    if (ok_) ok_ = file_->write(bytes, count, error_);
    return;
  }
  std::memcpy(buffer_.get(), bytes, count);
  used_ = count;
}

void CBufferedWriter::writeWhole() {
  if (ok_) ok_ = file_->write(buffer_.get(), kSize, error_);
  used_ -= kSize;
  std::memcpy(buffer_.get(), buffer_.get() + kSize, used_);
}

bool CBufferedWriter::flush() {
  if (ok_ && used_ > 0) ok_ = file_->write(buffer_.get(), used_, error_);
  used_ = 0;
  return ok_;
}
