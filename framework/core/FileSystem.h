#pragma once
// File-system checks used by dialogs and commands.

bool fileExists(const char* name);  // can be opened for reading
bool fileMatches(const char* pattern);  // a file (not a plain folder) matches
bool folderExists(const char* path);  // "X:\" asks the drive type
// What the attributes of path say; false for both when it does not exist.
bool isFile(const char* path);
bool isFolder(const char* path);
bool moveFile(const char* from, const char* to);
bool deleteFile(const char* name);
// True when both names reach one existing file, however they are spelt
// (case, short names, relative paths, links).
bool sameFile(const char* first, const char* second);
