#pragma once
// Where a path of the file system leads once every junction and symbolic
// link on the way, the item's own included, is followed: the uninstaller
// judges a path by that, never by its spelling. Paths go to the system in
// their long form ("\\?\"), so that nothing the installer could make is too
// long to remove. Windows only.
#include "framework/core/Text.h"

#include <windows.h>

#include <string>

// A text of the ANSI code page as UTF-16.
std::wstring wideText(const char* text);
// The long form of a full path, for the wide file functions.
std::wstring longPathOf(const CText& path);

struct ResolvedPath {
  std::wstring path;  // final and normalised, lower-cased, below the volume's root
  DWORD volume = 0;   // the volume's serial number
};

// Opens the file or folder (without the right to change it) and asks the
// system where it lies. Answers false, with the system's error code in
// *error, when it cannot be opened. Where the system cannot say (before
// Windows Vista) the path stands for itself.
bool resolvePath(const CText& path, ResolvedPath* resolved, DWORD* error);

// Whether the item leads exactly to the place below the anchor that its
// spelling names: relative is the part of its path below the anchor.
bool leadsBelow(const ResolvedPath& item, const ResolvedPath& anchor, const CText& relative);
