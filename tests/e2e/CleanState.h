#pragma once
// The clean state a program under test starts from.
#include <windows.h>

#include <string>

namespace e2e {

// Deletes root\key with all its subkeys and values; true also when it did not
// exist.
bool removeRegistryTree(HKEY root, const std::string& key);
// Deletes folder with everything in it and makes it again, with any missing
// parent folders; true when it exists empty afterwards.
bool makeEmptyFolder(const std::string& folder);

}  // namespace e2e
