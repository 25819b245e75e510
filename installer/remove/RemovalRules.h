#pragma once
// The uninstaller's rules on the paths and registry keys that an install
// log names, checked before anything is touched. A log may have been edited,
// so a path is trusted only when it is a plain full path and a key only when
// it is not one that the system keeps.
#include "installer/RegistryEntry.h"

// "X:\..." or "\\server\share\...", without empty, "." or ".." parts, without
// the characters that name streams, devices or patterns, without a part that
// ends in a dot or blank or is a device name (CON, NUL, CONIN$, COM0 to COM9,
// LPT0 to LPT9, COM and LPT with a superscript digit...) with any extension,
// and shorter than MAX_PATH. A drive's root ("C:\") is a full path.
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

// A key that the system or every program shares: in a user's or the
// machine's hive everything but a program's own keys below Software (so
// Software itself, Software\Microsoft, Software\Policies and
// Software\Wow6432Node, except the programs' uninstall entries below
// "Software\Microsoft\Windows\CurrentVersion\Uninstall"), and the classes'
// shared keys (CLSID, Interface, "*"...). Neither the key nor its values are
// removed.
bool isProtectedKey(RegistryEntry::Root root, const char* key);
