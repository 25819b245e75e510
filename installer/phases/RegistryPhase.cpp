#include "installer/phases/RegistryPhase.h"

#include "installer/phases/InstallUser.h"
#include "installer/script/InstallLogText.h"
#include "installer/script/SetupScript.h"
#include "installer/script/UninstallEntry.h"

#include "framework/core/FileSystem.h"
#include "framework/registry/RegistryKey.h"

#include <shlobj.h>

namespace {

bool valueExists(HKEY key, const char* name) {
  return RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

// The uninstall command that the walk's entries set, macros expanded; the
// first one counts.
class UninstallCommand : public EntryVisitor {
 public:
  explicit UninstallCommand(SetupScript& script) : script_(script) {}

  bool visit(EntryLists& lists) override {
    for (const RegistryEntry& entry : lists.registryEntries) {
      if (!UninstallEntry::setsCommand(entry)) continue;
      CText text(reinterpret_cast<const char*>(entry.data.data()), static_cast<int>(entry.data.size()));
      if (script_.expand(text)) command = text;
      return false;
    }
    return true;
  }

  CText command;

 private:
  SetupScript& script_;
};

}  // namespace

RegistryPhase::RegistryPhase(SetupScript& script, InstallUser& user) : script_(script), user_(user) {}

bool RegistryPhase::run() {
  writesUninstallEntry_ = uninstallEntryWorks();
  bool finished = walkEntries(script_, *this);
  if (associationsChanged_) SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
  return finished;
}

// The uninstaller reads the log that lies beside it.
bool RegistryPhase::uninstallEntryWorks() {
  if (!script_.log.begin() || script_.log.failed()) return false;
  UninstallCommand found(script_);
  walkEntries(script_, found);
  CText program = UninstallEntry::program(found.command.c_str());
  return !program.empty() && isFile(program.c_str());
}

bool RegistryPhase::visit(EntryLists& lists) {
  return executeEntries(user_, lists.registryEntries, [this](const RegistryEntry& entry) { execute(entry); });
}

void RegistryPhase::execute(const RegistryEntry& entry) {
  if (!writesUninstallEntry_ && UninstallEntry::makes(entry)) {
    script_.uninstallEntryWithheld = true;
    return;
  }
  std::vector<unsigned char> data = entry.data;
  if (entry.hasData && entry.type == RegistryEntry::kString) {
    CText text(reinterpret_cast<const char*>(data.data()), static_cast<int>(data.size()));
    if (!script_.expand(text)) return;
    data.assign(text.c_str(), text.c_str() + text.length() + 1);
  }
  if (!entry.numberMacro.empty()) {
    CText digits(entry.numberMacro);
    if (!script_.expand(digits)) return;
    data = RegistryEntry::numberData(digits.c_str());
  }
  if (entry.root == RegistryEntry::kNoRoot) return;
  CRegistryKey key;
  HKEY root = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(entry.root));
  DWORD access = CRegistryKey::kCreateSubKey | CRegistryKey::kSetValue | CRegistryKey::kQueryValue;
  if (key.open(root, entry.key.c_str(), access) != ERROR_SUCCESS) return;
  const char* name = entry.valueName.c_str();
  if (entry.action == RegistryEntry::kDelete) {
    RegDeleteValueA(key.handle(), name);
    return;
  }
  if (entry.action == RegistryEntry::kNoChange && valueExists(key.handle(), name)) return;
  if (entry.hasData) RegSetValueExA(key.handle(), name, 0, entry.type, data.data(), static_cast<DWORD>(data.size()));
  script_.log.write(InstallLogText::registry(entry.root, entry.key.c_str(), entry.hasData ? name : nullptr));
  if (entry.root == RegistryEntry::kClassesRoot) associationsChanged_ = true;
}
