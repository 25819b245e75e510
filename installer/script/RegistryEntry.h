#pragma once
// RegistryEntry: one REG line of the setup script: a key to create, and
// optionally a value to set, keep or delete.
#include "framework/core/Text.h"

#include <cstdint>
#include <vector>

struct RegistryEntry {
  // The platform's predefined root key values (HKEY_CLASSES_ROOT...) as
  // numbers, so that the entry reads the same on every build.
  enum Root : uint32_t {
    kNoRoot = 0,
    kClassesRoot = 0x80000000u,
    kCurrentUser = 0x80000001u,
    kLocalMachine = 0x80000002u,
    kUsers = 0x80000003u,
  };
  // The platform's value type codes (REG_SZ, REG_BINARY, REG_DWORD).
  enum Type : uint32_t { kString = 1, kBinary = 3, kNumber = 4 };
  enum Action : unsigned char { kSet = 0, kDelete = 1, kNoChange = 2 };

  Root root = kNoRoot;
  CText key;
  CText valueName;  // empty: the key's default value
  Type type = kString;
  bool hasData = false;  // false: the entry only creates the key
  std::vector<unsigned char> data;  // a string's data ends with its NUL
  Action action = kSet;
  // A "dword:" field that starts with a macro ("%k"): its digits are known
  // only when the entry is executed; data holds zero until then.
  CText numberMacro;

  unsigned length() const { return static_cast<unsigned>(data.size()); }

  // Reads root, key, value name, data ("quoted text", dword:hex, hex:bytes)
  // and action (nochange, delete), split at commas. Never fails: missing
  // fields leave the defaults above.
  static RegistryEntry parse(const char* value);
  // The root that name ("HKCR", "HKCU", "HKLM", "HKU", any case) gives;
  // kNoRoot for any other name.
  static Root rootNamed(const char* name);
  // The name of root in scripts and logs; fallback for kNoRoot.
  static const char* rootName(Root root, const char* fallback);
  // The four bytes of a "dword:" field's hexadecimal digits, in the
  // processor's order.
  static std::vector<unsigned char> numberData(const char* digits);
};
