#pragma once
// The places a removal plan must know, as this system names them. Windows
// only.
#include "installer/remove/RemovalPlan.h"

// logPath: the log that was read; program: the uninstaller the user started.
RemovalPlaces systemPlaces(const CText& logPath, const CText& program);
// The long form of a path that exists; the path itself otherwise.
CText longPathName(const char* path);
