#include "framework/BufferedWriter.h"

#include <cstring>

namespace {

const unsigned kChunk = 64 * 1024;

}  // namespace

CBufferedWriter::CBufferedWriter(CDiskFile* file, CFileError* error)
    : file_(file), error_(error), buffer_(new char[kChunk]) {}

void CBufferedWriter::write(const void* data, unsigned count) {
  if (!ok_) return;
  if (used_ + count > kChunk && !flush()) return;
  if (count >= kChunk) {
    ok_ = file_->write(data, count, error_);
    return;
  }
  std::memcpy(buffer_.get() + used_, data, count);
  used_ += count;
}

bool CBufferedWriter::flush() {
  if (ok_ && used_ > 0) ok_ = file_->write(buffer_.get(), used_, error_);
  used_ = 0;
  return ok_;
}
