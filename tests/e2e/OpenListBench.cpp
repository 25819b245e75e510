// How long Verbolt.exe takes from its start with a big word file on the
// command line until the first question shows, and how much memory it holds
// then (./dev bench).
//   VERBOLT_BENCH_LIST=WORD_FILE open_list_bench.exe
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "resources/QuizResourceIds.h"
#include "tests/e2e/TargetProgram.h"
#include "tests/e2e/WindowAccess.h"
#include "tests/wine/WineTest.h"

using namespace e2e;

namespace {

const DWORD kGoalMilliseconds = 3000;
const DWORD kPatience = 120000;
const double kMemoryGoal = 3.0;

// The word file comes in the environment, since the test runner reads its
// arguments as test names.
std::string wordFileArgument() {
  const char* path = std::getenv("VERBOLT_BENCH_LIST");
  return path ? path : "";
}

DWORD fileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0;
}

// The most private memory the program held so far, against the size of the
// word file it opened.
void printPeakMemory(DWORD processId, DWORD listBytes) {
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  bool read = process && GetProcessMemoryInfo(process, &counters, sizeof counters);
  if (process) CloseHandle(process);
  CHECK(read && listBytes > 0);
  if (!read || listBytes == 0) return;
  double ratio = static_cast<double>(counters.PeakPagefileUsage) / listBytes;
  std::printf("Verbolt.exe, peak private memory with the list open: %lu MB for a %lu MB file, %.2f x (goal <= %.2f x: %s)\n",
              static_cast<unsigned long>(counters.PeakPagefileUsage >> 20), static_cast<unsigned long>(listBytes >> 20),
              ratio, kMemoryGoal, ratio <= kMemoryGoal ? "met" : "MISSED");
}

}  // namespace

WINE_TEST(openingABigListFromTheCommandLine) {
  std::string list = wordFileArgument();
  CHECK(!list.empty());
  TargetProgram program;
  DWORD started = GetTickCount();
  CHECK(program.start(VERBOLT_EXE, {list}, "Software\\Quorvel\\Verbolt'97", "C:\\open-list-bench"));
  WindowQuery query;
  query.title = list.substr(list.find_last_of("\\/") + 1) + " - Verbolt'97";
  HWND window = program.waitForWindow(query, kPatience);
  bool shown = window && waitFor(
                             [&] {
                               std::string word = text(control(window, IDC_QUIZ_QUESTION_WORD));
                               return !word.empty() && word.find("No selected words") == std::string::npos;
                             },
                             "the first question", kPatience);
  DWORD elapsed = GetTickCount() - started;
  CHECK(shown);
  std::printf("Verbolt.exe, big list on the command line to the first question: %lu ms (goal < %lu ms: %s)\n",
              elapsed, kGoalMilliseconds, elapsed < kGoalMilliseconds ? "met" : "MISSED");
  printPeakMemory(program.processId(), fileSize(list));
  if (window) program.close(window, kPatience);
}
