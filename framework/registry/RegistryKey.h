#pragma once
// CRegistryKey: one open registry key. Values are written by the callers with
// RegSetValueExA on handle(); keys are deleted with RegDeleteKeyA. Windows
// only.
#include "framework/core/Text.h"

#include <windows.h>

class CRegistryKey {
 public:
  // Access flags: the low byte chooses the access, bit 8 is an option.
  enum : DWORD {
    kOpenOnly = 0x01,       // RegOpenKeyExA; without it the key is created
    kCreateLink = 0x02,
    kCreateSubKey = 0x04,
    kEnumerateSubKeys = 0x08,
    kRead = 0x10,
    kNotify = 0x20,
    kQueryValue = 0x40,
    kSetValue = 0x80,
    kVolatile = 0x100,      // when creating: REG_OPTION_VOLATILE
    kAllAccess = 0xFE,      // exactly this value: create if missing, KEY_ALL_ACCESS
    kForReading = 0x69,     // 105: open only, enumerate, notify, query
    kForWriting = kAllAccess,
  };

  CRegistryKey() = default;
  CRegistryKey(const CRegistryKey&) = delete;
  CRegistryKey& operator=(const CRegistryKey&) = delete;
  virtual ~CRegistryKey();  // closes an open key

  // Closes any key held, then opens or creates root\subKey as flags say.
  // Answers the system result (0 = success); on failure no key is held.
  LONG open(HKEY root, const char* subKey, DWORD flags, SECURITY_ATTRIBUTES* security = nullptr);
  // Answers the system result; the handle is cleared on success.
  LONG close();
  // Reads a value into buffer; answers the bytes read, or 0 on failure
  // (including a value longer than size).
  DWORD query(const char* name, void* buffer, DWORD size, DWORD* type = nullptr);
  // Reads a text value of at most 2048 bytes into destination, measured up
  // to its first NUL; answers the bytes read. On failure (0) destination is
  // empty.
  DWORD queryText(const char* name, CText& destination);

  HKEY handle() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// The user's colour name ("Window", "HiLight"...) from HKEY_CURRENT_USER
// "Control Panel\Colors", whose value is three decimal numbers separated by
// spaces: red + 256 * green + 65536 * blue, or 0xFFFFFFFF when the key or the
// value cannot be read.
COLORREF userColor(const char* name);
