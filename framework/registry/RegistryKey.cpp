#include "framework/registry/RegistryKey.h"

#include <cstdlib>
#include <cstring>

namespace {

const DWORD kTextBufferSize = 2048;
const DWORD kColorValueSize = 15;

REGSAM accessOf(DWORD flags) {
  if ((flags & 0xFF) == CRegistryKey::kAllAccess) return KEY_ALL_ACCESS;
  REGSAM access = 0;
  if (flags & CRegistryKey::kCreateLink) access |= KEY_CREATE_LINK;
  if (flags & CRegistryKey::kCreateSubKey) access |= KEY_CREATE_SUB_KEY;
  if (flags & CRegistryKey::kEnumerateSubKeys) access |= KEY_ENUMERATE_SUB_KEYS;
  if (flags & CRegistryKey::kRead) access |= KEY_READ;
  if (flags & CRegistryKey::kNotify) access |= KEY_NOTIFY;
  if (flags & CRegistryKey::kQueryValue) access |= KEY_QUERY_VALUE;
  if (flags & CRegistryKey::kSetValue) access |= KEY_SET_VALUE;
  return access;
}

bool opensOnly(DWORD flags) {
  return (flags & 0xFF) != CRegistryKey::kAllAccess && (flags & CRegistryKey::kOpenOnly);
}

}  // namespace

CRegistryKey::~CRegistryKey() {
  if (key_) RegCloseKey(key_);
}

LONG CRegistryKey::open(HKEY root, const char* subKey, DWORD flags, SECURITY_ATTRIBUTES* security) {
  if (key_) close();
  key_ = nullptr;
  HKEY key = nullptr;
  LONG result;
  if (opensOnly(flags)) {
    result = RegOpenKeyExA(root, subKey, 0, accessOf(flags), &key);
  } else {
    DWORD options = (flags & kVolatile) ? REG_OPTION_VOLATILE : REG_OPTION_NON_VOLATILE;
    DWORD disposition = 0;
    result = RegCreateKeyExA(root, subKey, 0, nullptr, options, accessOf(flags), security, &key,
                             &disposition);
  }
  if (result == ERROR_SUCCESS) key_ = key;
  return result;
}

LONG CRegistryKey::close() {
  LONG result = RegCloseKey(key_);
  if (result == ERROR_SUCCESS) key_ = nullptr;
  return result;
}

DWORD CRegistryKey::query(const char* name, void* buffer, DWORD size, DWORD* type) {
  DWORD done = size;
  LONG result = RegQueryValueExA(key_, name, nullptr, type, static_cast<BYTE*>(buffer), &done);
  return result == ERROR_SUCCESS ? done : 0;
}

DWORD CRegistryKey::queryText(const char* name, CText& destination) {
  // One byte beyond what the value may fill, so that a value stored without
  // its terminating zero still ends inside the buffer.
  char* buffer = destination.getBuffer(kTextBufferSize, false);
  if (!buffer) return 0;
  std::memset(buffer, 0, kTextBufferSize + 1);
  DWORD done = query(name, buffer, kTextBufferSize);
  if (!done) buffer[0] = 0;
  destination.releaseBuffer(-1);
  return done;
}

COLORREF userColor(const char* name) {
  CRegistryKey key;
  if (key.open(HKEY_CURRENT_USER, "Control Panel\\Colors", CRegistryKey::kForReading) != ERROR_SUCCESS)
    return 0xFFFFFFFF;
  // Zeroed beyond the value so that the three numbers can be walked past a
  // short or space-less value without leaving the buffer.
  char buffer[kColorValueSize * 2 + 3] = {};
  if (!key.query(name, buffer, kColorValueSize)) return 0xFFFFFFFF;
  for (DWORD i = 0; i < kColorValueSize; ++i)
    if (buffer[i] == ' ') buffer[i] = 0;
  const char* red = buffer;
  const char* green = red + std::strlen(red) + 1;
  const char* blue = green + std::strlen(green) + 1;
  return RGB(std::atoi(red), std::atoi(green), std::atoi(blue));
}
