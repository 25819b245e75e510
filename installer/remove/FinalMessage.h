#pragma once
// FinalMessage: the one message that ends an uninstallation, made from its
// report: what was removed, what waits for the restart, what was kept by
// rule and what could not be removed, each with its reason. Windows only:
// the texts come from the uninstaller's string table.
#include "installer/remove/RemovalReport.h"

// product: the name the install log gives, or the destination.
CText finalMessage(const RemovalReport& report, const CText& product);
// The message that ends an uninstallation whose log is damaged by the line
// why names.
CText damagedLogMessage(const CText& logPath, const RefusedLine& why);
