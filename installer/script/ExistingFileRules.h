#pragma once
// ExistingFileRules: how the file phase treats a file already at a payload's
// destination: the names of its replacement and its backup, and whether its
// version is good enough to ask before it is replaced.
#include "framework/core/Text.h"

#include <cstdint>
#include <vector>

// The path up to (not including) its last "." followed by extension (".new",
// ".bak"); the whole path followed by extension when it has no ".".
CText withExtension(const char* path, const char* extension);

enum class VersionVerdict { kReplace, kAsk };

// Compares a dotted minimum version ("4.71.0.0"; each component is the
// decimal digits between two dots, up to four components) with a library's
// file version (most and least significant words of its version resource),
// component by component: a greater existing component asks, a smaller one
// replaces, and equal components up to the last one given ask.
VersionVerdict compareWithMinimumVersion(const char* minimum, uint32_t mostSignificant,
                                         uint32_t leastSignificant);

// The names of a required exports list, separated by runs of blanks.
std::vector<CText> exportNames(const char* list);
