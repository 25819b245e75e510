#include "installer/remove/RemovalRules.h"

#include "installer/script/SectionIndex.h"

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The system's limits: a name in a folder, and a path in the long form that
// the uninstaller hands to the system, with room for its "\\?\UNC\" prefix.
const size_t kLongestName = 255;
const size_t kLongestPath = 32000;

std::string lowered(const char* text) { return lowerName(text, std::strlen(text)); }

std::vector<std::string> partsOf(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    size_t slash = path.find('\\', start);
    parts.push_back(path.substr(start, slash == std::string::npos ? std::string::npos : slash - start));
    if (slash == std::string::npos) return parts;
    start = slash + 1;
  }
}

// Besides the digits, Windows numbers serial and printer ports with the
// superscript digits of code page 1252 (0xB9, 0xB2, 0xB3: one, two, three).
bool isPortNumber(unsigned char c) { return (c >= '0' && c <= '9') || c == 0xB9 || c == 0xB2 || c == 0xB3; }

// A device name stays one with any extension and with blanks before the dot.
bool isDeviceName(const std::string& part) {
  std::string base = lowered(part.substr(0, part.find('.')).c_str());
  while (!base.empty() && base.back() == ' ') base.pop_back();
  for (const char* device : {"con", "prn", "aux", "nul", "conin$", "conout$"}) {
    if (base == device) return true;
  }
  return base.size() == 4 && (base.compare(0, 3, "com") == 0 || base.compare(0, 3, "lpt") == 0) &&
         isPortNumber(static_cast<unsigned char>(base[3]));
}

bool isPlainPart(const std::string& part) {
  if (part.empty() || part.size() > kLongestName) return false;
  if (part == "." || part == ".." || part.back() == '.' || part.back() == ' ') return false;
  for (unsigned char c : part) {
    if (c < 32 || std::strchr("<>:\"/|?*", c)) return false;
  }
  return !isDeviceName(part);
}

// Where the parts below the drive or share start: 1 after "X:", 2 after
// "\\server\share"; 0 when the path has neither.
size_t firstFolderPart(const std::string& path, const std::vector<std::string>& parts) {
  bool drive = path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' && path[2] == '\\';
  if (drive) return 1;
  bool share = path.compare(0, 2, "\\\\") == 0 && parts.size() >= 4 && isPlainPart(parts[2]) && isPlainPart(parts[3]);
  return share ? 4 : 0;
}

std::string withoutTrailingBackslash(const char* path) {
  std::string text = lowered(path);
  if (!text.empty() && text.back() == '\\') text.pop_back();
  return text;
}

}  // namespace

bool isFullPath(const char* path) {
  std::string text(path);
  if (text.size() > kLongestPath) return false;
  std::vector<std::string> parts = partsOf(text);
  size_t first = firstFolderPart(text, parts);
  if (first == 0) return false;
  if (first == 1 && parts.size() == 2 && parts[1].empty()) return true;  // "X:\"
  for (size_t i = first; i < parts.size(); ++i) {
    if (!isPlainPart(parts[i])) return false;
  }
  return true;
}

bool isRoot(const char* path) {
  std::string text(path);
  std::vector<std::string> parts = partsOf(text);
  size_t first = firstFolderPart(text, parts);
  return first > 0 && (parts.size() == first || (parts.size() == first + 1 && parts.back().empty()));
}

bool samePath(const char* first, const char* second) {
  return withoutTrailingBackslash(first) == withoutTrailingBackslash(second);
}

bool isInside(const char* path, const char* folder) {
  std::string base = withoutTrailingBackslash(folder) + "\\";
  std::string text = lowered(path);
  return !withoutTrailingBackslash(folder).empty() && text.size() > base.size() && text.compare(0, base.size(), base) == 0;
}

bool isSameOrInside(const char* path, const char* folder) { return samePath(path, folder) || isInside(path, folder); }

CText parentFolder(const char* path) {
  if (isRoot(path)) return CText();
  std::string text(path);
  size_t slash = text.find_last_of('\\');
  if (slash == std::string::npos) return CText();
  // The parent of "C:\folder" is the root "C:\", with its backslash.
  return text.substr(0, slash == 2 && text[1] == ':' ? 3 : slash).c_str();
}

namespace {

bool under(const std::string& key, const char* tree) {
  std::string top(tree);
  return key == top || key.compare(0, top.size() + 1, top + "\\") == 0;
}

struct OwnKey {
  RegistryEntry::Root root;
  const char* key;  // lower case
  KeyOwner owner;
  bool withSubKeys;
};

// A REG line added to the setup script needs its key here, or the
// uninstaller refuses to remove what the line makes.
const OwnKey kOwnKeys[] = {
    {RegistryEntry::kCurrentUser, "software\\quorvel", KeyOwner::kVendor, true},
    {RegistryEntry::kLocalMachine, "software\\quorvel", KeyOwner::kVendor, true},
    {RegistryEntry::kLocalMachine, "software\\microsoft\\windows\\currentversion\\uninstall\\verbolt'97",
     KeyOwner::kUninstallEntry, false},
    {RegistryEntry::kClassesRoot, ".wdl", KeyOwner::kExtension, false},
    {RegistryEntry::kClassesRoot, "verbolt.wdl", KeyOwner::kClass, true},
    {RegistryEntry::kClassesRoot, "kielivisa.wdl", KeyOwner::kClass, true},
};

}  // namespace

KeyOwner keyOwner(RegistryEntry::Root root, const char* key) {
  std::string text = lowered(key);
  if (text.empty() || text.front() == '\\' || text.back() == '\\' || text.find("\\\\") != std::string::npos)
    return KeyOwner::kOther;
  for (const OwnKey& own : kOwnKeys) {
    if (own.root == root && (text == own.key || (own.withSubKeys && under(text, own.key)))) return own.owner;
  }
  return KeyOwner::kOther;
}

bool startsProgram(const char* command, const char* program) {
  std::string text(command);
  if (!text.empty() && text[0] == '"') {
    size_t quote = text.find('"', 1);
    if (quote == std::string::npos) return false;
    text = text.substr(1, quote - 1);
  }
  return isFullPath(text.c_str()) && samePath(text.c_str(), program);
}
