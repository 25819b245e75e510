#include "installer/script/UninstallEntry.h"

#include <cstring>

namespace {

const char kInstalledPrograms[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

}  // namespace

namespace UninstallEntry {

bool makes(const RegistryEntry& entry) {
  if (entry.root != RegistryEntry::kLocalMachine && entry.root != RegistryEntry::kCurrentUser) return false;
  const int prefix = static_cast<int>(sizeof kInstalledPrograms - 1);
  return static_cast<int>(entry.key.length()) > prefix && entry.key.left(prefix).compareNoCase(kInstalledPrograms) == 0;
}

bool setsCommand(const RegistryEntry& entry) {
  return makes(entry) && entry.hasData && entry.type == RegistryEntry::kString &&
         entry.action != RegistryEntry::kDelete && entry.valueName.compareNoCase("UninstallString") == 0;
}

CText program(const char* command) {
  if (command[0] != '"') return CText(command);
  const char* end = std::strchr(command + 1, '"');
  return end ? CText(command + 1, static_cast<int>(end - command - 1)) : CText();
}

}  // namespace UninstallEntry
