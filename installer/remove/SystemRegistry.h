#pragma once
// SystemRegistry: the registry texts that a removal plan reads, from the
// system's registry. Windows only.
#include "installer/remove/RemovalPlan.h"

class SystemRegistry : public RegistryTexts {
 public:
  // Only REG_SZ values count as text.
  bool read(RegistryEntry::Root root, const char* key, const char* name, CText& text) const override;
};
