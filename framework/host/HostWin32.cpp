#include "framework/host/HostWin32.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

thread_local DWORD lastError = 0;

// Best-fit conversions between code page 1252 and OEM code page 437 for the
// bytes 0x80 to 0xFF; the lower half is the same in both.
const unsigned char kAnsiToOem[128] = {
    0x3F, 0x3F, 0x3F, 0x9F, 0x3F, 0x2E, 0x3F, 0x3F, 0x3F, 0x3F, 0x53, 0x3F, 0x3F, 0x3F, 0x5A, 0x3F,
    0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x20, 0x54, 0x73, 0x3F, 0x3F, 0x3F, 0x7A, 0x59,
    0xFF, 0xAD, 0x9B, 0x9C, 0x3F, 0x9D, 0x3F, 0x3F, 0x20, 0x3F, 0xA6, 0xAE, 0xAA, 0x3F, 0x3F, 0x20,
    0xF8, 0xF1, 0xFD, 0x33, 0x20, 0xE6, 0x3F, 0xFA, 0x20, 0x31, 0xA7, 0xAF, 0xAC, 0xAB, 0x33, 0xA8,
    0x41, 0x41, 0x41, 0x41, 0x8E, 0x8F, 0x92, 0x80, 0x45, 0x90, 0x45, 0x45, 0x49, 0x49, 0x49, 0x49,
    0x3F, 0xA5, 0x4F, 0x4F, 0x4F, 0x4F, 0x99, 0x3F, 0x3F, 0x55, 0x55, 0x55, 0x9A, 0x59, 0x3F, 0xE1,
    0x85, 0xA0, 0x83, 0x61, 0x84, 0x86, 0x91, 0x87, 0x8A, 0x82, 0x88, 0x89, 0x8D, 0xA1, 0x8C, 0x8B,
    0x3F, 0xA4, 0x95, 0xA2, 0x93, 0x6F, 0x94, 0xF6, 0x3F, 0x97, 0xA3, 0x96, 0x81, 0x79, 0x3F, 0x98,
};

const unsigned char kOemToAnsi[128] = {
    0xC7, 0xFC, 0xE9, 0xE2, 0xE4, 0xE0, 0xE5, 0xE7, 0xEA, 0xEB, 0xE8, 0xEF, 0xEE, 0xEC, 0xC4, 0xC5,
    0xC9, 0xE6, 0xC6, 0xF4, 0xF6, 0xF2, 0xFB, 0xF9, 0xFF, 0xD6, 0xDC, 0xA2, 0xA3, 0xA5, 0x3F, 0x83,
    0xE1, 0xED, 0xF3, 0xFA, 0xF1, 0xD1, 0xAA, 0xBA, 0xBF, 0x3F, 0xAC, 0xBD, 0xBC, 0xA1, 0xAB, 0xBB,
    0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F,
    0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F,
    0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F,
    0x3F, 0xDF, 0x3F, 0x3F, 0x3F, 0x3F, 0xB5, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F,
    0x3F, 0xB1, 0x3F, 0x3F, 0x3F, 0x3F, 0xF7, 0x3F, 0xB0, 0x3F, 0xB7, 0x3F, 0x6E, 0xB2, 0x3F, 0xA0,
};

// Copies source to destination with the bytes 0x80 to 0xFF exchanged through
// upperHalf, one of the tables above.
BOOL convertUpperHalf(LPCSTR source, LPSTR destination, const unsigned char (&upperHalf)[128]) {
  for (; *source; ++source, ++destination) {
    unsigned char c = static_cast<unsigned char>(*source);
    *destination = static_cast<char>(c < 0x80 ? c : upperHalf[c - 0x80]);
  }
  *destination = 0;
  return TRUE;
}

DWORD errorFromErrno(int error) {
  switch (error) {
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EMFILE:
    case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
    case EACCES:
    case EPERM:
    case EISDIR: return ERROR_ACCESS_DENIED;
    case EBADF: return ERROR_INVALID_HANDLE;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    case EROFS: return ERROR_WRITE_PROTECT;
    case EEXIST: return ERROR_FILE_EXISTS;
    case ENOSPC: return ERROR_DISK_FULL;
    default: return 31;  // ERROR_GEN_FAILURE
  }
}

BOOL failWithErrno() {
  lastError = errorFromErrno(errno);
  return FALSE;
}

int fdOf(HANDLE handle) { return static_cast<int>(reinterpret_cast<intptr_t>(handle)) - 1; }

HANDLE handleOf(int fd) { return reinterpret_cast<HANDLE>(static_cast<intptr_t>(fd) + 1); }

struct FindState {
  DIR* dir;
  std::string folder;
  std::string pattern;
};

bool nextMatch(FindState* state, WIN32_FIND_DATAA* data) {
  while (dirent* entry = readdir(state->dir)) {
    if (fnmatch(state->pattern.c_str(), entry->d_name, FNM_CASEFOLD) != 0) continue;
    std::memset(data, 0, sizeof *data);
    std::snprintf(data->cFileName, sizeof data->cFileName, "%s", entry->d_name);
    struct stat info;
    std::string full = state->folder + "/" + entry->d_name;
    if (stat(full.c_str(), &info) == 0) {
      data->dwFileAttributes = S_ISDIR(info.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
      data->nFileSizeLow = static_cast<DWORD>(info.st_size);
    }
    return true;
  }
  lastError = 18;  // ERROR_NO_MORE_FILES
  return false;
}

}  // namespace

DWORD GetLastError() { return lastError; }
void SetLastError(DWORD error) { lastError = error; }

HANDLE CreateFileA(LPCSTR name, DWORD access, DWORD, SECURITY_ATTRIBUTES*, DWORD disposition, DWORD,
                   HANDLE) {
  int flags = O_CLOEXEC;
  if ((access & GENERIC_READ) && (access & GENERIC_WRITE)) flags |= O_RDWR;
  else if (access & GENERIC_WRITE) flags |= O_WRONLY;
  else flags |= O_RDONLY;
  if (disposition == CREATE_NEW) flags |= O_CREAT | O_EXCL;
  if (disposition == CREATE_ALWAYS) flags |= O_CREAT | O_TRUNC;
  if (disposition == OPEN_ALWAYS) flags |= O_CREAT;
  int fd = open(name, flags, 0666);
  if (fd < 0) {
    failWithErrno();
    return INVALID_HANDLE_VALUE;
  }
  struct stat info;
  if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    close(fd);
    lastError = ERROR_ACCESS_DENIED;
    return INVALID_HANDLE_VALUE;
  }
  lastError = 0;
  return handleOf(fd);
}

BOOL ReadFile(HANDLE file, void* buffer, DWORD count, DWORD* done, void*) {
  DWORD total = 0;
  while (total < count) {
    ssize_t got = read(fdOf(file), static_cast<char*>(buffer) + total, count - total);
    if (got < 0) {
      if (done) *done = total;
      return failWithErrno();
    }
    if (got == 0) break;
    total += static_cast<DWORD>(got);
  }
  if (done) *done = total;
  return TRUE;
}

BOOL WriteFile(HANDLE file, const void* buffer, DWORD count, DWORD* done, void*) {
  DWORD total = 0;
  while (total < count) {
    ssize_t put = write(fdOf(file), static_cast<const char*>(buffer) + total, count - total);
    if (put <= 0) {
      if (done) *done = total;
      return failWithErrno();
    }
    total += static_cast<DWORD>(put);
  }
  if (done) *done = total;
  return TRUE;
}

DWORD SetFilePointer(HANDLE file, LONG distance, LONG*, DWORD method) {
  int whence = method == FILE_BEGIN ? SEEK_SET : method == FILE_END ? SEEK_END : SEEK_CUR;
  off_t position = lseek(fdOf(file), distance, whence);
  if (position < 0) {
    failWithErrno();
    return INVALID_SET_FILE_POINTER;
  }
  return static_cast<DWORD>(position);
}

DWORD GetFileSize(HANDLE file, DWORD* sizeHigh) {
  struct stat info;
  if (fstat(fdOf(file), &info) != 0) {
    failWithErrno();
    return INVALID_FILE_SIZE;
  }
  if (sizeHigh) *sizeHigh = static_cast<DWORD>(static_cast<uint64_t>(info.st_size) >> 32);
  return static_cast<DWORD>(info.st_size);
}

BOOL GetFileInformationByHandle(HANDLE file, BY_HANDLE_FILE_INFORMATION* information) {
  struct stat info;
  if (fstat(fdOf(file), &info) != 0) return failWithErrno();
  *information = BY_HANDLE_FILE_INFORMATION{};
  information->dwFileAttributes = S_ISDIR(info.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
  information->dwVolumeSerialNumber = static_cast<DWORD>(info.st_dev);
  information->nFileSizeHigh = static_cast<DWORD>(static_cast<uint64_t>(info.st_size) >> 32);
  information->nFileSizeLow = static_cast<DWORD>(info.st_size);
  information->nNumberOfLinks = static_cast<DWORD>(info.st_nlink);
  information->nFileIndexHigh = static_cast<DWORD>(static_cast<uint64_t>(info.st_ino) >> 32);
  information->nFileIndexLow = static_cast<DWORD>(info.st_ino);
  return TRUE;
}

BOOL SetEndOfFile(HANDLE file) {
  off_t position = lseek(fdOf(file), 0, SEEK_CUR);
  return position >= 0 && ftruncate(fdOf(file), position) == 0 ? TRUE : failWithErrno();
}

BOOL FlushFileBuffers(HANDLE file) { return fsync(fdOf(file)) == 0 ? TRUE : failWithErrno(); }

BOOL LockFile(HANDLE, DWORD, DWORD, DWORD, DWORD) { return TRUE; }
BOOL UnlockFile(HANDLE, DWORD, DWORD, DWORD, DWORD) { return TRUE; }

BOOL CloseHandle(HANDLE handle) { return close(fdOf(handle)) == 0 ? TRUE : failWithErrno(); }

DWORD GetFullPathNameA(LPCSTR name, DWORD size, LPSTR buffer, LPSTR* filePart) {
  std::string full = name;
  if (full.empty() || full[0] != '/') {
    char cwd[4096];
    if (!getcwd(cwd, sizeof cwd)) return 0;
    full = std::string(cwd) + "/" + full;
  }
  if (full.size() + 1 > size) return static_cast<DWORD>(full.size() + 1);
  std::memcpy(buffer, full.c_str(), full.size() + 1);
  if (filePart) *filePart = std::strrchr(buffer, '/') + 1;
  return static_cast<DWORD>(full.size());
}

short GetFileTitleA(LPCSTR name, LPSTR buffer, WORD size) {
  const char* slash = std::strrchr(name, '/');
  const char* title = slash ? slash + 1 : name;
  size_t length = std::strlen(title);
  if (length + 1 > size) return static_cast<short>(length + 1);
  std::memcpy(buffer, title, length + 1);
  return 0;
}

BOOL MoveFileA(LPCSTR from, LPCSTR to) {
  struct stat info;
  if (stat(to, &info) == 0) {
    lastError = ERROR_FILE_EXISTS;
    return FALSE;
  }
  return rename(from, to) == 0 ? TRUE : failWithErrno();
}

BOOL MoveFileExA(LPCSTR from, LPCSTR to, DWORD flags) {
  if (!(flags & MOVEFILE_REPLACE_EXISTING)) return MoveFileA(from, to);
  return rename(from, to) == 0 ? TRUE : failWithErrno();
}

BOOL DeleteFileA(LPCSTR name) { return unlink(name) == 0 ? TRUE : failWithErrno(); }

DWORD GetFileAttributesA(LPCSTR name) {
  struct stat info;
  if (stat(name, &info) != 0) {
    failWithErrno();
    return INVALID_FILE_ATTRIBUTES;
  }
  if (S_ISDIR(info.st_mode)) return FILE_ATTRIBUTE_DIRECTORY;
  return (info.st_mode & S_IWUSR) ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_READONLY;
}

BOOL SetFileAttributesA(LPCSTR name, DWORD attributes) {
  struct stat info;
  if (stat(name, &info) != 0) return failWithErrno();
  mode_t mode = (attributes & FILE_ATTRIBUTE_READONLY) ? info.st_mode & ~S_IWUSR : info.st_mode | S_IWUSR;
  return chmod(name, mode) == 0 ? TRUE : failWithErrno();
}

HANDLE FindFirstFileA(LPCSTR pattern, WIN32_FIND_DATAA* data) {
  std::string path = pattern;
  size_t slash = path.rfind('/');
  std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  if (folder.empty()) folder = "/";
  DIR* dir = opendir(folder.c_str());
  if (!dir) {
    failWithErrno();
    return INVALID_HANDLE_VALUE;
  }
  FindState* state = new FindState{dir, folder, path.substr(slash + 1)};
  if (!nextMatch(state, data)) {
    closedir(dir);
    delete state;
    lastError = ERROR_FILE_NOT_FOUND;
    return INVALID_HANDLE_VALUE;
  }
  return state;
}

BOOL FindNextFileA(HANDLE find, WIN32_FIND_DATAA* data) {
  return nextMatch(static_cast<FindState*>(find), data) ? TRUE : FALSE;
}

BOOL FindClose(HANDLE find) {
  FindState* state = static_cast<FindState*>(find);
  closedir(state->dir);
  delete state;
  return TRUE;
}

UINT GetDriveTypeA(LPCSTR root) {
  struct stat info;
  return root && stat(root, &info) == 0 && S_ISDIR(info.st_mode) ? DRIVE_FIXED : DRIVE_NO_ROOT_DIR;
}

DWORD GetCurrentProcessId() { return static_cast<DWORD>(getpid()); }

DWORD GetTickCount() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<DWORD>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

HINSTANCE GetModuleHandleA(LPCSTR) { return nullptr; }

LPSTR CharLowerA(LPSTR text) {
  for (unsigned char* p = reinterpret_cast<unsigned char*>(text); *p; ++p) {
    unsigned char c = *p;
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) *p = c + 0x20;
    else if (c == 0x8A || c == 0x8C || c == 0x8E) *p = c + 0x10;
    else if (c == 0x9F) *p = 0xFF;
  }
  return text;
}

BOOL CharToOemA(LPCSTR source, LPSTR destination) { return convertUpperHalf(source, destination, kAnsiToOem); }

BOOL OemToCharA(LPCSTR source, LPSTR destination) { return convertUpperHalf(source, destination, kOemToAnsi); }

int LoadStringA(HINSTANCE, UINT id, LPSTR buffer, int size) {
  unsigned low = 0, high = kHostStringCount;
  while (low < high) {
    unsigned middle = (low + high) / 2;
    if (kHostStrings[middle].id < id) low = middle + 1;
    else high = middle;
  }
  if (low == kHostStringCount || kHostStrings[low].id != id || size <= 0) {
    if (size > 0) buffer[0] = 0;
    return 0;
  }
  size_t length = std::strlen(kHostStrings[low].text);
  if (length > static_cast<size_t>(size - 1)) length = size - 1;
  std::memcpy(buffer, kHostStrings[low].text, length);
  buffer[length] = 0;
  return static_cast<int>(length);
}

void GetLocalTime(SYSTEMTIME* time) {
  std::time_t now = std::time(nullptr);
  std::tm local;
  localtime_r(&now, &local);
  *time = SYSTEMTIME{static_cast<WORD>(local.tm_year + 1900), static_cast<WORD>(local.tm_mon + 1),
                     static_cast<WORD>(local.tm_wday), static_cast<WORD>(local.tm_mday),
                     static_cast<WORD>(local.tm_hour), static_cast<WORD>(local.tm_min),
                     static_cast<WORD>(local.tm_sec), 0};
}

// The English user default short date, month/day/year.
int GetDateFormatA(LCID, DWORD, const SYSTEMTIME* date, LPCSTR, LPSTR buffer, int size) {
  SYSTEMTIME today;
  if (!date) {
    GetLocalTime(&today);
    date = &today;
  }
  int length = std::snprintf(buffer, size, "%u/%u/%u", date->wMonth, date->wDay, date->wYear);
  return length < size ? length + 1 : 0;
}

HWND GetActiveWindow() { return nullptr; }

int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT) {
  std::fprintf(stderr, "%s: %s\n", caption ? caption : "", text ? text : "");
  return IDOK;
}

void PostQuitMessage(int) {}

void ExitProcess(UINT code) { std::exit(static_cast<int>(code)); }
