#pragma once
// A minimal stand-in for the Win32 calls used by the window-free code (texts,
// files, string resources), so that this code builds natively on Linux, where
// the unit tests, sanitizers and fuzzers run. It maps the calls onto POSIX and
// implements code page 1252 and OEM code page 437 as Wine's English locale
// does. It is never part of the Windows programs.
#include <cstdint>

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t UINT;
typedef uint32_t LCID;
typedef void* HANDLE;
typedef void* HINSTANCE;
typedef void* HWND;
typedef char CHAR;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef uint16_t WCHAR;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;

#define LOWORD(value) ((WORD)((uintptr_t)(value)&0xFFFF))
#define HIWORD(value) ((WORD)(((uintptr_t)(value) >> 16) & 0xFFFF))
#define MAKEWPARAM(low, high) ((WPARAM)(DWORD)(((WORD)(low)) | ((DWORD)((WORD)(high))) << 16))

#define TRUE 1
#define FALSE 0
#define MAX_PATH 260
#define WINAPI

#define INVALID_HANDLE_VALUE ((HANDLE)(intptr_t)-1)
#define INVALID_SET_FILE_POINTER ((DWORD)-1)
#define INVALID_FILE_SIZE ((DWORD)-1)

#define GENERIC_READ 0x80000000u
#define GENERIC_WRITE 0x40000000u
#define FILE_SHARE_READ 0x1u
#define FILE_SHARE_WRITE 0x2u
#define CREATE_NEW 1u
#define CREATE_ALWAYS 2u
#define OPEN_EXISTING 3u
#define OPEN_ALWAYS 4u
#define FILE_ATTRIBUTE_READONLY 0x1u
#define FILE_ATTRIBUTE_DIRECTORY 0x10u
#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)
#define FILE_ATTRIBUTE_NORMAL 0x80u
#define FILE_BEGIN 0u
#define FILE_CURRENT 1u
#define FILE_END 2u
#define MOVEFILE_REPLACE_EXISTING 0x1u
#define MOVEFILE_WRITE_THROUGH 0x8u

#define ERROR_SUCCESS 0
#define ERROR_FILE_NOT_FOUND 2
#define ERROR_PATH_NOT_FOUND 3
#define ERROR_TOO_MANY_OPEN_FILES 4
#define ERROR_ACCESS_DENIED 5
#define ERROR_INVALID_HANDLE 6
#define ERROR_NOT_ENOUGH_MEMORY 8
#define ERROR_WRITE_PROTECT 19
#define ERROR_SHARING_VIOLATION 32
#define ERROR_HANDLE_EOF 38
#define ERROR_FILE_EXISTS 80
#define ERROR_ALREADY_EXISTS 183
#define ERROR_DISK_FULL 112
#define ERROR_DIRECTORY 267

#define DRIVE_UNKNOWN 0
#define DRIVE_NO_ROOT_DIR 1
#define DRIVE_FIXED 3

#define LOCALE_USER_DEFAULT 0x400u
#define DATE_SHORTDATE 0x1u

#define MB_OK 0x0u
#define MB_YESNO 0x4u
#define MB_ICONERROR 0x10u
#define MB_ICONINFORMATION 0x40u
#define IDOK 1
#define IDYES 6
#define IDNO 7

typedef DWORD COLORREF;
typedef void* HFONT;

#define RGB(r, g, b) ((COLORREF)(((BYTE)(r)) | ((WORD)((BYTE)(g)) << 8) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) ((BYTE)(rgb))
#define GetGValue(rgb) ((BYTE)((rgb) >> 8))
#define GetBValue(rgb) ((BYTE)((rgb) >> 16))

#define LF_FACESIZE 32
#define FW_NORMAL 400
#define ANSI_CHARSET 0
#define OUT_STRING_PRECIS 1
#define CLIP_STROKE_PRECIS 2
#define DRAFT_QUALITY 1
#define VARIABLE_PITCH 2
#define FF_SWISS 0x20

struct LOGFONTA {
  LONG lfHeight, lfWidth, lfEscapement, lfOrientation, lfWeight;
  BYTE lfItalic, lfUnderline, lfStrikeOut, lfCharSet;
  BYTE lfOutPrecision, lfClipPrecision, lfQuality, lfPitchAndFamily;
  CHAR lfFaceName[LF_FACESIZE];
};

struct SECURITY_ATTRIBUTES {
  DWORD nLength;
  void* lpSecurityDescriptor;
  BOOL bInheritHandle;
};

struct SYSTEMTIME {
  WORD wYear, wMonth, wDayOfWeek, wDay, wHour, wMinute, wSecond, wMilliseconds;
};

struct FILETIME {
  DWORD dwLowDateTime, dwHighDateTime;
};

struct BY_HANDLE_FILE_INFORMATION {
  DWORD dwFileAttributes;
  FILETIME ftCreationTime, ftLastAccessTime, ftLastWriteTime;
  DWORD dwVolumeSerialNumber;
  DWORD nFileSizeHigh, nFileSizeLow;
  DWORD nNumberOfLinks;
  DWORD nFileIndexHigh, nFileIndexLow;
};

struct WIN32_FIND_DATAA {
  DWORD dwFileAttributes;
  FILETIME ftCreationTime, ftLastAccessTime, ftLastWriteTime;
  DWORD nFileSizeHigh, nFileSizeLow;
  DWORD dwReserved0, dwReserved1;
  CHAR cFileName[MAX_PATH];
  CHAR cAlternateFileName[14];
};

DWORD GetLastError();
void SetLastError(DWORD error);

HANDLE CreateFileA(LPCSTR name, DWORD access, DWORD share, SECURITY_ATTRIBUTES* security,
                   DWORD disposition, DWORD attributes, HANDLE templateFile);
BOOL ReadFile(HANDLE file, void* buffer, DWORD count, DWORD* done, void* overlapped);
BOOL WriteFile(HANDLE file, const void* buffer, DWORD count, DWORD* done, void* overlapped);
DWORD SetFilePointer(HANDLE file, LONG distance, LONG* distanceHigh, DWORD method);
DWORD GetFileSize(HANDLE file, DWORD* sizeHigh);
// Fills the volume (the device), the index (the inode), the size and the links.
BOOL GetFileInformationByHandle(HANDLE file, BY_HANDLE_FILE_INFORMATION* information);
BOOL SetEndOfFile(HANDLE file);
BOOL FlushFileBuffers(HANDLE file);
BOOL LockFile(HANDLE file, DWORD offsetLow, DWORD offsetHigh, DWORD countLow, DWORD countHigh);
BOOL UnlockFile(HANDLE file, DWORD offsetLow, DWORD offsetHigh, DWORD countLow, DWORD countHigh);
BOOL CloseHandle(HANDLE handle);
DWORD GetFullPathNameA(LPCSTR name, DWORD size, LPSTR buffer, LPSTR* filePart);
short GetFileTitleA(LPCSTR name, LPSTR buffer, WORD size);
BOOL MoveFileA(LPCSTR from, LPCSTR to);
BOOL MoveFileExA(LPCSTR from, LPCSTR to, DWORD flags);
BOOL DeleteFileA(LPCSTR name);
// Only the read-only attribute is kept natively: as the owner's write permission.
DWORD GetFileAttributesA(LPCSTR name);
BOOL SetFileAttributesA(LPCSTR name, DWORD attributes);
HANDLE FindFirstFileA(LPCSTR pattern, WIN32_FIND_DATAA* data);
BOOL FindNextFileA(HANDLE find, WIN32_FIND_DATAA* data);
BOOL FindClose(HANDLE find);
UINT GetDriveTypeA(LPCSTR root);
DWORD GetTickCount();
DWORD GetCurrentProcessId();
HINSTANCE GetModuleHandleA(LPCSTR name);

LPSTR CharLowerA(LPSTR text);
BOOL CharToOemA(LPCSTR source, LPSTR destination);
BOOL OemToCharA(LPCSTR source, LPSTR destination);
int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int size);
int GetDateFormatA(LCID locale, DWORD flags, const SYSTEMTIME* date, LPCSTR format, LPSTR buffer,
                   int size);
void GetLocalTime(SYSTEMTIME* time);

HWND GetActiveWindow();
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT style);
void PostQuitMessage(int code);
void ExitProcess(UINT code);

// The string table compiled into native programs, generated from the
// English resource script. Sorted by id.
struct HostString {
  UINT id;
  const char* text;
};
extern const HostString kHostStrings[];
extern const unsigned kHostStringCount;
