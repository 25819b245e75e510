#include "installer/phases/ModulePayloads.h"

#include <cstring>

const void* ModulePayloads::resource(const char* name, const char* type, DWORD* size) const {
  *size = 0;
  HRSRC found = FindResourceA(module_, name, type);
  HGLOBAL loaded = found ? LoadResource(module_, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (bytes) *size = SizeofResource(module_, found);
  return bytes;
}

long ModulePayloads::payloadSize(const char* name) const {
  DWORD size = 0;
  resource(name, "FILES", &size);
  return static_cast<long>(size);
}

const void* ModulePayloads::payloadBytes(const char* name, DWORD* size) const {
  return resource(name, "FILES", size);
}

bool ModulePayloads::payloadStamp(const char* name, FILETIME* localTime) const {
  DWORD size = 0;
  const void* bytes = resource(name, "FILEINFO", &size);
  if (!bytes || size != sizeof *localTime) return false;
  std::memcpy(localTime, bytes, sizeof *localTime);
  return true;
}
