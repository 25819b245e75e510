#pragma once
// The version test of the file phase: is the library already at a payload's
// destination at least as good as the payload, so that the user should be
// asked before it is replaced? The payload's own version is not read; the
// entry's minimum version stands for it.
#include "installer/script/ExistingFileRules.h"

struct FileEntry;

// kAsk when the file is a library that exports every required name and,
// when the entry names a minimum version, has a version resource that meets
// it; kReplace otherwise. The library is mapped without running its start-up
// code and released again.
VersionVerdict testInstalledVersion(const char* path, const FileEntry& entry);
