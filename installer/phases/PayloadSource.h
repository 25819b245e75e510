#pragma once
// PayloadSource: the payload files and their time stamps that the installer
// carries. ModulePayloads reads them from a program's resources.
#include "installer/script/PayloadCatalog.h"

#include <windows.h>

class PayloadSource : public PayloadCatalog {
 public:
  // The payload's bytes, valid as long as the source; null when there is no
  // payload of that name.
  virtual const void* payloadBytes(const char* name, DWORD* size) const = 0;
  // The payload's time stamp as a local file time; false when it has none.
  virtual bool payloadStamp(const char* name, FILETIME* localTime) const = 0;
};

enum class PayloadWrite { kWritten, kNoPayload, kCannotOpen, kCannotWrite };

// Creates or truncates path for writing (not shared), writes the payload in
// one write from the source's own memory and sets its time stamp, when it
// has one, as the file's creation and last-write times. Without a payload of
// that name the file is left empty. A failed write removes the file again,
// so that no half-written file stays under the name.
PayloadWrite writePayloadFile(const char* path, const PayloadSource& payloads, const char* name);
