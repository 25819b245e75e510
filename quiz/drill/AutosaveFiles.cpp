#include "quiz/drill/AutosaveFiles.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const char kPrefix[] = "wdlAutoSave";
const LONG kTickSeconds = 3;

}  // namespace

CText autosavePath(const char* folder, DWORD id) {
  CText path(folder);
  path.append("\\");
  path.append(kPrefix);
  path.append(static_cast<long>(id));
  path.append(".wdl");
  return path;
}

CText autosavePattern(const char* folder) {
  CText pattern(folder);
  pattern.append("\\");
  pattern.append(kPrefix);
  pattern.append("*.wdl");
  return pattern;
}

DWORD autosaveIdOf(const char* fileName) {
  size_t prefixLength = sizeof kPrefix - 1;
  if (std::strlen(fileName) <= prefixLength) return 0;
  return static_cast<DWORD>(std::strtoul(fileName + prefixLength, nullptr, 10));
}

DWORD freeInstanceId(DWORD preferred, const std::vector<DWORD>& used) {
  std::vector<bool> taken(0x10000);
  for (DWORD id : used)
    if (id <= 0xFFFF) taken[id] = true;
  for (DWORD step = 0; step <= 0xFFFF; ++step) {
    DWORD id = (preferred + step) & 0xFFFF;
    if (!taken[id]) return id;
  }
  return preferred;
}

bool autosaveTick(Settings& settings) {
  if (!settings.statusOn(Settings::kAutoSave)) return false;
  if (settings.autoSaveCounter < settings.AutoSaveTime) {
    settings.autoSaveCounter += kTickSeconds;
    return false;
  }
  settings.autoSaveCounter = 0;
  return true;
}
