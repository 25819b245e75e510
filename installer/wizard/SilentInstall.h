#pragma once
// SilentInstall: an installation of the script's defaults with no window at
// all (Install.exe /S). The destination is the one given or the script's
// default, made with its missing parents, which the log names as
// directories; the program group is the script's default
// group among all users' programs; every question gets the answer that
// keeps the system safe (unattendedAnswer), so a newer file is kept and a
// file that cannot be written aborts. The computer is never restarted.
#include "framework/core/Text.h"

class PayloadSource;
class SetupScript;

// script: parsed, with the public desktop as its "%t". destination empty:
// the script's default. Answers the exit code (kExitComplete,
// kExitRestartNeeded or kExitAborted).
int installSilently(SetupScript& script, const PayloadSource& payloads, const CText& destination);
