#pragma once
// The setup script that a program carries as its resource "SETUP.INS" of
// type "INSTALL".
#include <windows.h>

class ParseProgress;
class SetupScript;

// Parses the script of module into script; answers false, parsing nothing,
// when the resource is missing, cannot be loaded or has 1 byte or less.
// progress may be null.
bool loadSetupScript(HMODULE module, SetupScript& script, ParseProgress* progress);
