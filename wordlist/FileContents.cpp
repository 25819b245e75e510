#include "wordlist/FileContents.h"

#include <new>

FileResult FileContents::read(CDiskFile& file) {
  size = file.length();
  if (size == INVALID_FILE_SIZE) return FileResult::Invalid;
  bytes.reset(new (std::nothrow) char[static_cast<size_t>(size) + 1]);
  if (!bytes) return FileResult::NoMemory;
  file.seek(0, FILE_BEGIN, nullptr);
  if (size > 0 && file.read(bytes.get(), size, nullptr) != size) return FileResult::Invalid;
  bytes[size] = 0;
  return FileResult::Ok;
}
