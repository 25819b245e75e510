#include "installer/remove/SystemRegistry.h"

#include "framework/registry/RegistryKey.h"

namespace {

const DWORD kLongestText = 2048;

}  // namespace

bool SystemRegistry::read(RegistryEntry::Root root, const char* key, const char* name, CText& text) const {
  CRegistryKey opened;
  HKEY rootKey = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(root));
  if (opened.open(rootKey, key, CRegistryKey::kOpenOnly | CRegistryKey::kQueryValue) != ERROR_SUCCESS) return false;
  // One byte beyond what the value may fill, so that a text stored without
  // its terminating zero still ends inside the buffer.
  char buffer[kLongestText + 1] = {};
  DWORD type = 0;
  if (opened.query(name, buffer, kLongestText, &type) == 0 || type != REG_SZ) return false;
  text = buffer;
  return true;
}
