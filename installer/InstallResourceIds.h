#pragma once
// Resource ids of the installer. The string table (InstallStrings.rc) gives
// its ids as plain numbers, so string ids are code-only constants, hidden
// from the resource compiler.
#ifndef RC_INVOKED
#include <windows.h>

namespace InstallString {
constexpr UINT kInstall = 1;                 // "Install": caption of the run phase's message boxes
constexpr UINT kError = 3;                   // "Error"
constexpr UINT kCopyingFiles = 200;          // the file phase; caption of the newer-file question
constexpr UINT kInitialising = 201;
constexpr UINT kUpdatingRegistry = 202;
constexpr UINT kCreatingIcons = 203;
constexpr UINT kCannotCopy = 206;            // "Cannot copy file '%s'...": the destination
constexpr UINT kKeepNewerFile = 207;         // "File '%s' exist in system...": the destination
constexpr UINT kAccessDenied = 208;          // "Cannot copy file '%s'. Access denied.": the short destination
constexpr UINT kCreatingDirectory = 209;     // "Creating directory '%s'...": the directory
constexpr UINT kExecuting = 213;
}  // namespace InstallString
#endif
