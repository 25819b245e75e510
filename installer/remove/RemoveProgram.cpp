#include "installer/remove/RemoveProgram.h"

#include "installer/remove/FinalMessage.h"
#include "installer/remove/RemovalRules.h"
#include "installer/remove/RemoveResourceIds.h"
#include "installer/remove/SelfCopy.h"
#include "installer/remove/SystemPlaces.h"
#include "installer/remove/SystemRegistry.h"

#include "framework/core/DiskFile.h"
#include "wordlist/TextEncoding.h"
#include "wordlist/Utf8Text.h"

#include <cstring>
#include <string>

namespace {

const char kMutexName[] = "Verbolt'97 Remove";
const DWORD kLargestLog = 8 * 1024 * 1024;

CText logBeside(const CText& program) {
  CText path = parentFolder(program.c_str());
  path.append("\\Install.log");
  return path;
}

CText ownProgram() {
  char buffer[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  return longPathName(length > 0 && length < MAX_PATH ? buffer : "");
}

UINT finalIcon(int exitCode) { return exitCode == RemovalReport::kIncomplete ? MB_ICONWARNING : MB_ICONINFORMATION; }

}  // namespace

int RemoveProgram::run() {
  if (!line_.valid) {
    tell(RemoveString::kUsage, "", MB_OK | MB_ICONINFORMATION);
    return RemovalReport::kIncomplete;
  }
  // The copy shares the first process's mutex, so that a second uninstaller
  // is refused until the copy has ended too.
  HANDLE running = CreateMutexA(nullptr, FALSE, kMutexName);
  if (!line_.isCopy && GetLastError() == ERROR_ALREADY_EXISTS) {
    tell(RemoveString::kAlreadyRunning, "", MB_OK | MB_ICONINFORMATION);
    CloseHandle(running);
    return RemovalReport::kIncomplete;
  }
  int result = line_.isCopy ? runCopy() : runFirst();
  if (running) CloseHandle(running);
  return result;
}

int RemoveProgram::runFirst() {
  CText program = ownProgram();
  InstallLogRecord log;
  RemovalPlan plan;
  if (!readPlan(program, log, plan)) return RemovalReport::kIncomplete;
  if (tell(RemoveString::kConfirm, product(log).c_str(), MB_YESNO | MB_ICONQUESTION) == IDNO)
    return RemovalReport::kIncomplete;
  DWORD result = RemovalReport::kIncomplete;
  CText folder;
  if (!SelfCopy::run(program, line_.silent, result, folder)) {
    tell(RemoveString::kNoCopy, folder.c_str(), MB_OK | MB_ICONERROR);
    return RemovalReport::kIncomplete;
  }
  return static_cast<int>(result);
}

int RemoveProgram::runCopy() {
  CText program = longPathName(line_.program.c_str());
  InstallLogRecord log;
  RemovalPlan plan;
  if (!readPlan(program, log, plan)) {
    SelfCopy::report(line_, RemovalReport::kIncomplete);
    SelfCopy::scheduleOwnRemoval();
    return RemovalReport::kIncomplete;
  }
  RemovalReport report;
  for (const RefusedLine& refused : plan.refused) report.refuse(refused);
  Remover remover(plan, *this, report);
  size_t tail = 0;
  while (tail < plan.steps.size() && plan.steps[tail].action != RemovalStep::kProgram) ++tail;
  remover.run(0, tail);
  // The program the user started, and the folder that holds it, can go only
  // once the first process has ended, and that process ends with the result.
  RemovalReport foreseen = report;
  remover.foresee(tail, foreseen);
  tell(finalMessage(foreseen, product(log)), MB_OK | finalIcon(foreseen.exitCode()));
  SelfCopy::report(line_, foreseen.exitCode());
  SelfCopy::waitForFirstProcess(line_);
  remover.run(tail, plan.steps.size());
  SelfCopy::scheduleOwnRemoval();
  return report.exitCode();
}

bool RemoveProgram::readLog(const CText& program, InstallLogRecord& log) {
  CText path = logBeside(program);
  CDiskFile file;
  if (!file.open(path.c_str(), CDiskFile::kRead | CDiskFile::kShareDenyWrite | CDiskFile::kNoInherit, nullptr)) {
    tell(RemoveString::kLogMissing, path.c_str(), MB_OK | MB_ICONERROR);
    return false;
  }
  DWORD length = file.length();
  std::string text(length <= kLargestLog ? length : 0, '\0');
  bool read = length <= kLargestLog && (length == 0 || file.read(&text[0], length, nullptr) == length);
  // A log that an installer of code page 1252 wrote names its places in
  // that code page; a program whose code page is UTF-8 reads them as such.
  if (read && programEncoding() == TextEncoding::kUtf8 && !isUtf8Text(text.data(), text.size()))
    text = cp1252ToUtf8(text.data(), text.size());
  if (read && InstallLogReader::read(text.data(), text.size(), log)) return true;
  tell(RemoveString::kLogDamaged, path.c_str(), MB_OK | MB_ICONERROR);
  return false;
}

// The first process makes the plan too, so that a damaged log is told before
// the user is asked anything.
bool RemoveProgram::readPlan(const CText& program, InstallLogRecord& log, RemovalPlan& plan) {
  if (!readLog(program, log)) return false;
  CText path = logBeside(program);
  plan = RemovalPlan::make(log, systemPlaces(path, program), SystemRegistry());
  if (!plan.damaged) return true;
  tell(damagedLogMessage(path, plan.refused.front()), MB_OK | MB_ICONERROR);
  return false;
}

CText RemoveProgram::product(const InstallLogRecord& log) const {
  return log.title.empty() ? log.destination : log.title;
}

bool RemoveProgram::retryProgramInUse(const char* path) {
  const char* slash = std::strrchr(path, '\\');
  CText name(slash ? slash + 1 : path);
  return tell(RemoveString::kProgramInUse, name.c_str(), MB_RETRYCANCEL | MB_ICONEXCLAMATION) == IDRETRY;
}

int RemoveProgram::tell(const CText& text, UINT style) {
  if (line_.silent) return (style & MB_TYPEMASK) == MB_YESNO ? IDYES : IDCANCEL;
  CText caption;
  caption.load(RemoveString::kCaption);
  return MessageBoxA(nullptr, text.c_str(), caption.c_str(), style | MB_SETFOREGROUND);
}

int RemoveProgram::tell(UINT id, const char* argument, UINT style) {
  CText text;
  text.formatResource(id, argument);
  return tell(text, style);
}
