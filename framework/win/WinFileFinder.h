#pragma once
// CWinFileFinder: the files that match a search pattern, one at a time. The
// current file's details are valid after findFirst() or findNext() answered
// true.
#include "framework/core/Text.h"

#include <ctime>

class CWinFileFinder {
 public:
  CWinFileFinder();
  CWinFileFinder(const CWinFileFinder&) = delete;
  CWinFileFinder& operator=(const CWinFileFinder&) = delete;
  virtual ~CWinFileFinder();  // ends the search

  // pattern null: "*.*" in the current folder. True when a file was found.
  virtual bool findFirst(const char* pattern = nullptr);
  // Without a search: findFirst() with no pattern.
  virtual bool findNext();
  virtual const char* name() const;
  virtual DWORD size() const;  // low 32 bits
  // The pattern's folder part (up to and including its last "\") + name.
  virtual CText fullPath() const;
  virtual CText fileTitle() const;
  // "file://" + full path.
  virtual CText address() const;
  // Seconds since 1 January 1970 of the local time; 0 when it cannot be converted.
  virtual time_t lastWriteTime() const;
  // Copy the raw time out; false when time is null.
  virtual bool lastWriteTime(FILETIME* time) const;
  virtual time_t lastAccessTime() const;
  virtual bool lastAccessTime(FILETIME* time) const;
  virtual time_t creationTime() const;
  virtual bool creationTime(FILETIME* time) const;
  // The attributes ANDed with mask.
  virtual DWORD attributes(DWORD mask) const;

  bool isDirectory() const { return attributes(FILE_ATTRIBUTE_DIRECTORY) != 0; }
  void end();

  HANDLE search;
  WIN32_FIND_DATAA data;
  CText folder;
};
