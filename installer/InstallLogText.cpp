#include "installer/InstallLogText.h"

namespace {

const char* rootWord(RegistryEntry::Root root) {
  switch (root) {
    case RegistryEntry::kClassesRoot: return "HKCR";
    case RegistryEntry::kLocalMachine: return "HKLM";
    case RegistryEntry::kUsers: return "HKU";
    default: return "HKCU";
  }
}

}  // namespace

CText InstallLogText::header() { return CText("[INSTALL]\n"); }

CText InstallLogText::line(const char* key, const char* text) {
  CText result(key);
  result.append('=');
  result.append(text);
  result.append('\n');
  return result;
}

CText InstallLogText::registry(RegistryEntry::Root root, const char* key, const char* valueName) {
  CText text(rootWord(root));
  text.append(',');
  text.append(key);
  if (valueName) {
    text.append(",\"");
    text.append(valueName);
    text.append('"');
  }
  return line("REG", text.c_str());
}
