#pragma once
// What a setup program leaves in the system for tests to read: registry
// keys, shortcuts and the moves the system makes at its next start.
#include <windows.h>

#include <string>

namespace e2e {

// The text lower-cased by the system's rule.
std::string lowered(std::string text);

// Whether root\key exists.
bool keyExists(HKEY root, const std::string& key);
// The target and working folder of a saved shortcut; "<none>" when it
// cannot be read.
std::string linkTarget(const std::string& link, std::string* workingFolder = nullptr);
// Saves a shortcut to target, as another program would; answers whether it
// was saved.
bool saveShortcut(const std::string& link, const std::string& target);

// The system's list of moves at the next start (in the tests' own Wine
// prefix), lower-cased, its separating NULs shown as "|".
std::string pendingMoves();
void clearPendingMoves();

}  // namespace e2e
