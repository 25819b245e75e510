#include "tests/bench/PeakMemory.h"

#include <cstdio>
#include <cstring>
#include <malloc.h>

namespace {

// One "Vm...:   1234 kB" line of /proc/self/status, in KB; -1 when missing.
long statusKB(const char* field) {
  FILE* status = std::fopen("/proc/self/status", "r");
  if (!status) return -1;
  char line[256];
  long value = -1;
  size_t length = std::strlen(field);
  while (value < 0 && std::fgets(line, sizeof line, status))
    if (std::strncmp(line, field, length) == 0 && line[length] == ':') std::sscanf(line + length + 1, "%ld", &value);
  std::fclose(status);
  return value;
}

bool resetHighWaterMark() {
  FILE* refs = std::fopen("/proc/self/clear_refs", "w");
  if (!refs) return false;
  bool written = std::fputs("5", refs) >= 0;
  return std::fclose(refs) == 0 && written;
}

}  // namespace

// The kernel's high-water mark of the process's resident memory (VmHWM),
// first lowered to what is resident now (5 written to clear_refs). Resident
// memory counts every page the work touches, on the heap, on a stack or
// mapped, and none that it only reserves; the file bytes the system caches
// for it are not the process's. malloc_trim first gives free heap memory back
// to the system, so that the work cannot take memory from there unseen.
double peakMemoryAboveKB(const std::function<void()>& work) {
  malloc_trim(0);
  if (!resetHighWaterMark()) return -1;
  long before = statusKB("VmRSS");
  work();
  long peak = statusKB("VmHWM");
  return before < 0 || peak < 0 ? -1 : static_cast<double>(peak - before);
}
