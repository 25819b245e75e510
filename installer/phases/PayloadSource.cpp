#include "installer/phases/PayloadSource.h"

#include "framework/core/DiskFile.h"

namespace {

void stampFile(HANDLE file, const PayloadSource& payloads, const char* name) {
  FILETIME local, universal;
  if (payloads.payloadStamp(name, &local) && LocalFileTimeToFileTime(&local, &universal))
    SetFileTime(file, &universal, nullptr, &universal);
}

}  // namespace

PayloadWrite writePayloadFile(const char* path, const PayloadSource& payloads, const char* name) {
  CDiskFile file;
  if (!file.open(path, CDiskFile::kWrite | CDiskFile::kShareExclusive | CDiskFile::kCreate | CDiskFile::kNoInherit,
                 nullptr))
    return PayloadWrite::kCannotOpen;
  DWORD size = 0;
  const void* bytes = payloads.payloadBytes(name, &size);
  if (bytes && !file.write(bytes, size, nullptr)) {
    file.close();
    DeleteFileA(path);
    return PayloadWrite::kCannotWrite;
  }
  stampFile(file.handle(), payloads, name);
  file.close();
  return bytes ? PayloadWrite::kWritten : PayloadWrite::kNoPayload;
}
