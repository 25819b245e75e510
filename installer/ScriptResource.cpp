#include "installer/ScriptResource.h"

#include "installer/SetupScript.h"

bool loadSetupScript(HMODULE module, SetupScript& script, ParseProgress* progress) {
  HRSRC found = FindResourceA(module, "SETUP.INS", "INSTALL");
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const char* text = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
  if (!text) return false;
  return script.parse(text, SizeofResource(module, found), progress);
}
