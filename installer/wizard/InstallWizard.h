#pragma once
// The install wizard: destination, components, program group and options,
// four pages of one wizard sheet. The user's choices go into the script; a
// destination left empty means that the user quit and nothing is installed.
#include <windows.h>

class SetupScript;
class SizeText;

void runInstallWizard(HWND owner, SetupScript& script, const SizeText& sizes);
