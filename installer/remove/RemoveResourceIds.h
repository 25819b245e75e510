#pragma once
// Resource ids of the uninstaller (Remove.rc). The string table gives its ids
// as plain numbers, so the string ids are code-only constants, hidden from
// the resource compiler.
#define IDI_REMOVE 1

#ifndef RC_INVOKED
#include <windows.h>

namespace RemoveString {
constexpr UINT kCaption = 1;          // "Remove": the caption of every message
constexpr UINT kConfirm = 2;          // "Remove %s...?": the product
constexpr UINT kLogMissing = 3;       // the log's path
constexpr UINT kLogDamaged = 4;       // the log's path
constexpr UINT kAlreadyRunning = 5;
constexpr UINT kNoCopy = 6;           // the temporary folder
constexpr UINT kProgramInUse = 7;     // the program's file name
constexpr UINT kUsage = 8;
constexpr UINT kLogDamagedLine = 9;   // the log's path, the line and why
constexpr UINT kRemoved = 20;         // the product
constexpr UINT kRemovedExcept = 21;   // the product
constexpr UINT kRemovedCounts = 22;   // files, folders, shortcuts, registry entries
constexpr UINT kAtRestart = 23;
constexpr UINT kKept = 24;
constexpr UINT kNotRemoved = 25;
constexpr UINT kMore = 26;            // how many more
constexpr UINT kOnLine = 27;          // the line number and the line
constexpr UINT kWithReason = 28;      // what and why
constexpr UINT kReasonTexts = 100;    // plus a RemovalReason; kError takes the error code
}  // namespace RemoveString
#endif
