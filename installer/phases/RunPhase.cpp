#include "installer/phases/RunPhase.h"

#include "installer/phases/InstallResourceIds.h"
#include "installer/phases/InstallUser.h"
#include "installer/phases/PayloadSource.h"
#include "installer/script/RunCommand.h"
#include "installer/script/SetupScript.h"

#include <shellapi.h>

#include <vector>

namespace {

const DWORD kStopPollMilliseconds = 100;

}  // namespace

RunPhase::RunPhase(SetupScript& script, const PayloadSource& payloads, InstallUser& user)
    : script_(script), payloads_(payloads), user_(user) {}

bool RunPhase::run() {
  walkEntries(script_, *this);
  return !stopped_;
}

bool RunPhase::visit(EntryLists& lists) {
  for (const RunEntry& entry : lists.runEntries) {
    stopped_ = user_.stopRequested();
    if (stopped_ || !execute(entry)) return false;
  }
  return true;
}

// Commands that change files refuse a path in which a macro gave nothing.
bool RunPhase::execute(const RunEntry& entry) {
  RunCommand command = RunCommand::read(entry.text.c_str(), script_);
  const char* path = command.first.c_str();
  bool changesFiles = command.kind == RunCommand::kDelete || command.kind == RunCommand::kRemoveDirectory ||
                      command.kind == RunCommand::kMakeDirectory || command.kind == RunCommand::kCopy;
  if (changesFiles && !command.macrosFilled) return command.kind != RunCommand::kCopy;  // a refused copy fails
  switch (command.kind) {
    case RunCommand::kMessageBox: showMessage(command); break;
    case RunCommand::kExec: startProcess(command); break;
    case RunCommand::kDelete: DeleteFileA(path); break;
    case RunCommand::kRemoveDirectory: RemoveDirectoryA(path); break;
    case RunCommand::kMakeDirectory: CreateDirectoryA(path, nullptr); break;
    case RunCommand::kCopy: return copyPayload(command);
    case RunCommand::kOpen: ShellExecuteA(user_.owner(), nullptr, path, nullptr, nullptr, SW_SHOWNORMAL); break;
  }
  return true;
}

void RunPhase::showMessage(const RunCommand& command) {
  CText caption(command.second);
  if (!command.hasSecond) caption.load(InstallString::kInstall);
  user_.ask(command.first.c_str(), caption.c_str(), MB_OK);
}

// A process waited for is watched in slices, so that a requested stop need
// not wait for the process to end.
void RunPhase::startProcess(const RunCommand& command) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (command.show != RunCommand::kShowDefault) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(command.show);
  }
  std::vector<char> line(command.first.c_str(), command.first.c_str() + command.first.length() + 1);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS | CREATE_DEFAULT_ERROR_MODE,
                      nullptr, nullptr, &startup, &process))
    return;
  while (command.wait && WaitForSingleObject(process.hProcess, kStopPollMilliseconds) == WAIT_TIMEOUT &&
         !user_.stopRequested()) {
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

bool RunPhase::copyPayload(const RunCommand& command) {
  if (!command.hasSecond) return false;
  return writePayloadFile(command.second.c_str(), payloads_, command.first.c_str()) == PayloadWrite::kWritten;
}
