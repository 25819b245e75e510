#pragma once
// The uninstaller's rules on the paths and registry keys that an install
// log names, checked before anything is touched. A log may have been edited,
// so a path is trusted only when it is a plain full path and a key only when
// it is one that the installation makes.
#include "installer/script/RegistryEntry.h"

// "X:\..." or "\\server\share\...", without empty, "." or ".." parts, without
// the characters that name streams, devices or patterns, without a part that
// ends in a dot or blank or is a device name (CON, NUL, CONIN$, COM0 to COM9,
// LPT0 to LPT9, COM and LPT with a superscript digit...) with any extension,
// without a part longer than 255 characters, and not over 32,000 characters
// (the installer may make paths longer than MAX_PATH, and the uninstaller
// removes them in the system's long form). A drive's root ("C:\") is a full
// path.
bool isFullPath(const char* path);
// A drive's root or a server's share: never removed, whatever else says so.
bool isRoot(const char* path);
// Whether path lies below folder (not at it); both are full paths, compared
// without regard to case.
bool isInside(const char* path, const char* folder);
bool isSameOrInside(const char* path, const char* folder);
bool samePath(const char* first, const char* second);
// The folder that holds path; empty for a root.
CText parentFolder(const char* path);

// Whose a registry key is. Only the keys that the REG lines of the setup
// script (installer/Setup.ins) make are the installation's; every other key,
// with its values, belongs to the system or to another program.
enum class KeyOwner {
  kOther,
  kVendor,          // "Software\Quorvel" of the user or the machine, and every key below it
  kUninstallEntry,  // "Verbolt'97" in the machine's list of programs, without sub-keys
  kExtension,       // ".wdl" of the classes, without sub-keys
  kClass,           // "Verbolt.WDL" or "Kielivisa.WDL" of the classes, and every key below it
};
// Keys are compared without regard to case; one with an empty part is
// another's.
KeyOwner keyOwner(RegistryEntry::Root root, const char* key);
// Whether an uninstall command starts program: its first word when that is
// in double quotes, otherwise the whole command, is program's full path.
bool startsProgram(const char* command, const char* program);
