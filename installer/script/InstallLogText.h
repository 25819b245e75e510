#pragma once
// InstallLogText: the lines of the install log ("Install.log"), read by the
// uninstaller. Every line is a key, "=", a text and one LF; there is no CR.
#include "installer/script/RegistryEntry.h"

#include "framework/core/Text.h"

class InstallLogText {
 public:
  static CText header();  // "[INSTALL]" and LF, the only line without "="
  static CText line(const char* key, const char* text);
  static CText title(const char* program) { return line("TITLE", program); }
  static CText path(const char* destination) { return line("PATH", destination); }
  static CText iconGroup(const char* name) { return line("ICONGROUP", name); }
  static CText iconUserGroup(bool userGroup) { return line("ICONUSERGROUP", userGroup ? "YES" : "NO"); }
  static CText directory(const char* path) { return line("DIRECTORY", path); }
  static CText file(const char* path) { return line("FILE", path); }
  static CText icon(const char* link) { return line("ICON", link); }
  // "REG=", the root word ("HKCU" for any root but the other three), the key
  // and, when valueName is not null, a comma and the name in double quotes.
  static CText registry(RegistryEntry::Root root, const char* key, const char* valueName);
};
