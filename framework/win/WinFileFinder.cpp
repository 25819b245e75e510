#include "framework/win/WinFileFinder.h"

#include <cstring>

namespace {

// Days from 1 January 1970 to the given date of the proleptic Gregorian calendar.
long daysSince1970(int year, int month, int day) {
  year -= month <= 2;
  long era = (year >= 0 ? year : year - 399) / 400;
  long yearOfEra = year - era * 400;
  long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

time_t calendarTime(const FILETIME& time) {
  FILETIME local;
  SYSTEMTIME fields;
  if (!FileTimeToLocalFileTime(&time, &local) || !FileTimeToSystemTime(&local, &fields)) return 0;
  long days = daysSince1970(fields.wYear, fields.wMonth, fields.wDay);
  return static_cast<time_t>(days) * 86400 + fields.wHour * 3600 + fields.wMinute * 60 + fields.wSecond;
}

bool copyTime(const FILETIME& source, FILETIME* destination) {
  if (!destination) return false;
  *destination = source;
  return true;
}

}  // namespace

CWinFileFinder::CWinFileFinder() : search(INVALID_HANDLE_VALUE), data() {}

CWinFileFinder::~CWinFileFinder() { end(); }

bool CWinFileFinder::findFirst(const char* pattern) {
  const char* slash = pattern ? std::strrchr(pattern, '\\') : nullptr;
  folder = slash ? CText(pattern, static_cast<int>(slash - pattern + 1)) : CText();
  end();
  search = FindFirstFileA(pattern ? pattern : "*.*", &data);
  return search != INVALID_HANDLE_VALUE;
}

bool CWinFileFinder::findNext() {
  if (search == INVALID_HANDLE_VALUE) return findFirst();
  return FindNextFileA(search, &data) != FALSE;
}

const char* CWinFileFinder::name() const { return data.cFileName; }

DWORD CWinFileFinder::size() const { return data.nFileSizeLow; }

CText CWinFileFinder::fullPath() const {
  CText path(folder);
  path.append(data.cFileName);
  return path;
}

CText CWinFileFinder::fileTitle() const {
  char title[MAX_PATH] = "";
  GetFileTitleA(fullPath().c_str(), title, MAX_PATH);
  return CText(title);
}

CText CWinFileFinder::address() const {
  CText text("file://");
  text.append(fullPath());
  return text;
}

time_t CWinFileFinder::lastWriteTime() const { return calendarTime(data.ftLastWriteTime); }
bool CWinFileFinder::lastWriteTime(FILETIME* time) const { return copyTime(data.ftLastWriteTime, time); }
time_t CWinFileFinder::lastAccessTime() const { return calendarTime(data.ftLastAccessTime); }
bool CWinFileFinder::lastAccessTime(FILETIME* time) const { return copyTime(data.ftLastAccessTime, time); }
time_t CWinFileFinder::creationTime() const { return calendarTime(data.ftCreationTime); }
bool CWinFileFinder::creationTime(FILETIME* time) const { return copyTime(data.ftCreationTime, time); }

DWORD CWinFileFinder::attributes(DWORD mask) const { return data.dwFileAttributes & mask; }

void CWinFileFinder::end() {
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  search = INVALID_HANDLE_VALUE;
}
