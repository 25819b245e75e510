// How long the file phase takes to install 200 payloads of 1 MB each, against
// writing the same bytes with plain file writes (./dev bench). The best of a
// few rounds counts for each.
#include "installer/phases/FilePhase.h"
#include "installer/phases/InstallUser.h"
#include "installer/phases/ModulePayloads.h"
#include "installer/phases/Win32SetupEnvironment.h"
#include "installer/script/SetupScript.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

const int kPayloads = 200;
const int kRounds = 5;
const double kGoal = 1.5;

class SilentUser : public InstallUser {
 public:
  void showPhase(const char*) override {}
  void showStatus(const char*) override {}
  void setProgressRange(int) override {}
  void stepProgress() override {}
  int ask(const char*, const char*, UINT) override { return IDABORT; }
  HWND owner() override { return nullptr; }
  bool stopRequested() override { return false; }
};

std::string benchFolder() {
  char temporary[MAX_PATH];
  GetTempPathA(MAX_PATH, temporary);
  return std::string(temporary) + "phases-bench";
}

std::string fileName(int index) { return "\\payload" + std::to_string(index) + ".bin"; }

void emptyFolder(const std::string& folder) {
  for (int i = 0; i < kPayloads; ++i) DeleteFileA((folder + fileName(i)).c_str());
  CreateDirectoryA(folder.c_str(), nullptr);
}

DWORD timeFilePhase(const std::string& folder, const ModulePayloads& payloads) {
  std::string text = "[MAIN]\n";
  for (int i = 0; i < kPayloads; ++i) text += "FILE=BIG.BIN,%d" + fileName(i) + "\n";
  Win32SetupEnvironment environment;
  SetupScript script(environment, payloads);
  script.parse(text.data(), static_cast<unsigned>(text.size()));
  script.destination = folder.c_str();
  SilentUser user;
  DWORD start = GetTickCount();
  if (!FilePhase(script, payloads, user).run()) std::printf("the file phase failed\n");
  return GetTickCount() - start;
}

DWORD timePlainWrites(const std::string& folder, const ModulePayloads& payloads) {
  DWORD size = 0;
  const void* bytes = payloads.payloadBytes("BIG.BIN", &size);
  DWORD start = GetTickCount();
  for (int i = 0; i < kPayloads; ++i) {
    HANDLE file = CreateFileA((folder + fileName(i)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (file == INVALID_HANDLE_VALUE || !WriteFile(file, bytes, size, &written, nullptr)) std::printf("a plain write failed\n");
    CloseHandle(file);
  }
  return GetTickCount() - start;
}

}  // namespace

int main() {
  ModulePayloads payloads(GetModuleHandleA(nullptr));
  std::string folder = benchFolder();
  DWORD phase = 0xFFFFFFFF, plain = 0xFFFFFFFF;
  for (int round = 0; round < kRounds; ++round) {
    emptyFolder(folder);
    phase = std::min(phase, timeFilePhase(folder, payloads));
    emptyFolder(folder);
    plain = std::min(plain, timePlainWrites(folder, payloads));
  }
  emptyFolder(folder);
  RemoveDirectoryA(folder.c_str());
  double ratio = static_cast<double>(phase) / std::max<DWORD>(plain, 1);
  std::printf("file phase, %d payloads of %lu bytes: %lu ms; plain writes: %lu ms; ratio %.2f (goal <= %.2f: %s)\n",
              kPayloads, static_cast<unsigned long>(payloads.payloadSize("BIG.BIN")), static_cast<unsigned long>(phase),
              static_cast<unsigned long>(plain), ratio, kGoal, ratio <= kGoal ? "met" : "MISSED");
  return 0;
}
