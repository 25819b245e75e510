#include "framework/BufferedWriter.h"

#include <cstring>

namespace {

const unsigned kChunk = 64 * 1024;

}  // namespace

CBufferedWriter::CBufferedWriter(CDiskFile* file, CFileError* error) : file_(file), error_(error) {
  buffer_.reserve(kChunk);
}

void CBufferedWriter::write(const void* data, unsigned count) {
  if (!ok_) return;
  if (buffer_.size() + count > kChunk && !flush()) return;
  if (count >= kChunk) {
    ok_ = file_->write(data, count, error_);
    return;
  }
  const char* bytes = static_cast<const char*>(data);
  buffer_.insert(buffer_.end(), bytes, bytes + count);
}

bool CBufferedWriter::flush() {
  if (ok_ && !buffer_.empty()) ok_ = file_->write(buffer_.data(), static_cast<DWORD>(buffer_.size()), error_);
  buffer_.clear();
  return ok_;
}
