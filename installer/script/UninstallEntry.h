#pragma once
// UninstallEntry: the entry that a setup script's REG lines make in the
// system's list of installed programs (a key under
// "Software\Microsoft\Windows\CurrentVersion\Uninstall" of the machine or
// the user), and the uninstaller that its "UninstallString" starts. An entry
// whose uninstaller or install log is missing cannot work, so the registry
// phase withholds it.
#include "installer/script/RegistryEntry.h"

namespace UninstallEntry {

// Whether entry makes the uninstall entry or one of its values.
bool makes(const RegistryEntry& entry);
// Whether entry sets the command that starts the uninstaller.
bool setsCommand(const RegistryEntry& entry);
// The program that an uninstall command starts: the text inside the double
// quotes that open it, else the whole command; empty for an empty command or
// an unclosed quote.
CText program(const char* command);

}  // namespace UninstallEntry
