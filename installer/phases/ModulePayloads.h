#pragma once
// ModulePayloads: payloads as resources of a program module: the bytes are
// the resource of type "FILES" with the payload's name, the time stamp the
// 8-byte resource of type "FILEINFO" with the same name (a little-endian
// count of 100-nanosecond intervals since 1601 in local time). Names match
// without regard to case. The module must stay loaded while this is used.
#include "installer/phases/PayloadSource.h"

class ModulePayloads : public PayloadSource {
 public:
  explicit ModulePayloads(HMODULE module) : module_(module) {}

  long payloadSize(const char* name) const override;
  const void* payloadBytes(const char* name, DWORD* size) const override;
  bool payloadStamp(const char* name, FILETIME* localTime) const override;

 private:
  const void* resource(const char* name, const char* type, DWORD* size) const;

  HMODULE module_;
};
