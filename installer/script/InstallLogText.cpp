#include "installer/script/InstallLogText.h"

namespace {

// An entry without a root is logged under HKCU.
const char* rootWord(RegistryEntry::Root root) { return RegistryEntry::rootName(root, "HKCU"); }

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
