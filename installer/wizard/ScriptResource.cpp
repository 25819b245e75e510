#include "installer/wizard/ScriptResource.h"

#include "installer/script/SetupScript.h"
#include "wordlist/TextEncoding.h"
#include "wordlist/Utf8Text.h"

#include <string>

bool loadSetupScript(HMODULE module, SetupScript& script, ParseProgress* progress) {
  HRSRC found = FindResourceA(module, "SETUP.INS", "INSTALL");
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const char* text = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
  if (!text) return false;
  DWORD size = SizeofResource(module, found);
  // The script is written in code page 1252; a program whose code page is
  // UTF-8 hands its texts to the system in UTF-8.
  if (programEncoding() == TextEncoding::kUtf8 && !isUtf8Text(text, size)) {
    std::string converted = cp1252ToUtf8(text, size);
    return script.parse(converted.data(), static_cast<unsigned>(converted.size()), progress);
  }
  return script.parse(text, size, progress);
}
