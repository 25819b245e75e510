#include "installer/remove/SelfCopy.h"

#include "installer/remove/RemovalRules.h"

#include <sddl.h>

#include <string>

namespace {

const char kFolderPrefix[] = "~vbremove";
const DWORD kFirstProcessTimeout = 60000;  // ms

CText temporaryFolder() {
  char buffer[MAX_PATH];
  DWORD length = GetTempPathA(MAX_PATH, buffer);
  if (length == 0 || length >= MAX_PATH) return CText();
  CText folder(buffer);
  if (folder.at(static_cast<int>(folder.length()) - 1) == '\\') folder = folder.left(static_cast<int>(folder.length()) - 1);
  return folder;
}

CText ownProgram() {
  char buffer[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  return length > 0 && length < MAX_PATH ? CText(buffer) : CText();
}

// The current user's security identifier as text ("S-1-5-21-...").
CText userSid() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return CText();
  char buffer[256];
  DWORD size = 0;
  CText text;
  char* sid = nullptr;
  if (GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size) &&
      ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid, &sid)) {
    text = sid;
    LocalFree(sid);
  }
  CloseHandle(token);
  return text;
}

// Full control for the user and the administrators, nothing inherited from
// the temporary folder, which other users may be able to open.
PSECURITY_DESCRIPTOR privateDescriptor() {
  CText sid = userSid();
  if (sid.empty()) return nullptr;
  CText sddl;
  sddl.format("D:P(A;OICI;FA;;;BA)(A;OICI;FA;;;%s)", sid.c_str());
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl.c_str(), SDDL_REVISION_1, &descriptor, nullptr))
    return nullptr;
  return descriptor;
}

bool makePrivateFolder(CText& folder) {
  folder = temporaryFolder();
  PSECURITY_DESCRIPTOR descriptor = privateDescriptor();
  if (!descriptor) return false;
  SECURITY_ATTRIBUTES security = {sizeof security, descriptor, FALSE};
  bool made = false;
  for (long number = 1; number < 10000 && !made; ++number) {
    folder = temporaryFolder();
    folder.append('\\');
    folder.append(kFolderPrefix);
    folder.append(number);
    made = CreateDirectoryA(folder.c_str(), &security) != 0;
    if (!made && GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  LocalFree(descriptor);
  return made;
}

DWORD resultOf(HANDLE resultPipe, HANDLE copy) {
  DWORD result = 0, got = 0;
  if (ReadFile(resultPipe, &result, sizeof result, &got, nullptr) && got == sizeof result) return result;
  // The copy ended without reporting: its exit code says what happened.
  WaitForSingleObject(copy, INFINITE);
  return GetExitCodeProcess(copy, &result) ? result : 1;
}

// The copy works in its own folder, so that no folder of the installation is
// held as its current folder.
bool startCopy(const CText& copy, const CText& folder, const CText& program, bool silent, DWORD& result) {
  SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr, self = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherited, 0)) return false;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, SYNCHRONIZE, TRUE, 0);
  CText line = RemoveCommandLine::forCopy(copy.c_str(), static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(writeEnd)),
                                          static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(self)), program.c_str(),
                                          silent);
  std::string writable(line.c_str());
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  bool started = CreateProcessA(copy.c_str(), &writable[0], nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &startup,
                                &process) != 0;
  CloseHandle(writeEnd);
  CloseHandle(self);
  if (started) {
    AllowSetForegroundWindow(process.dwProcessId);
    result = resultOf(readEnd, process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(readEnd);
  return started;
}

}  // namespace

bool SelfCopy::run(const CText& program, bool silent, DWORD& result, CText& folder) {
  if (!makePrivateFolder(folder)) return false;
  CText copy(folder);
  copy.append("\\Remove.exe");
  if (CopyFileA(ownProgram().c_str(), copy.c_str(), TRUE) && startCopy(copy, folder, program, silent, result)) return true;
  DeleteFileA(copy.c_str());
  RemoveDirectoryA(folder.c_str());
  return false;
}

void SelfCopy::report(const RemoveCommandLine& line, DWORD result) {
  HANDLE pipe = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(line.resultPipe));
  DWORD written = 0;
  WriteFile(pipe, &result, sizeof result, &written, nullptr);
  CloseHandle(pipe);
}

void SelfCopy::waitForFirstProcess(const RemoveCommandLine& line) {
  HANDLE process = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(line.firstProcess));
  WaitForSingleObject(process, kFirstProcessTimeout);
  CloseHandle(process);
}

void SelfCopy::scheduleOwnRemoval() {
  CText program = ownProgram();
  CText folder = parentFolder(program.c_str());
  CText name(folder.c_str() + folder.findLast('\\') + 1);
  bool ours = samePath(parentFolder(folder.c_str()).c_str(), temporaryFolder().c_str()) &&
              name.left(static_cast<int>(sizeof kFolderPrefix - 1)).compareNoCase(kFolderPrefix) == 0;
  if (!ours) return;
  MoveFileExA(program.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
  MoveFileExA(folder.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}
