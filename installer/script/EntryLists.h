#pragma once
// EntryLists: the entries that [MAIN], a selection section and an IF section
// may hold, each list in script order.
#include "installer/script/FileEntry.h"
#include "installer/script/RegistryEntry.h"
#include "installer/script/RunEntry.h"
#include "installer/script/ShortcutEntry.h"

#include <vector>

struct ConditionBlock;

struct EntryLists {
  std::vector<FileEntry> files;  // FILE and DIRECTORY entries together
  std::vector<RegistryEntry> registryEntries;
  std::vector<ShortcutEntry> shortcuts;
  std::vector<ConditionBlock> conditions;
  std::vector<RunEntry> runEntries;

  // The sizes of the own file entries; directories count nothing.
  long fileSize() const;
  // The own shortcuts plus those of every block, nested ones included,
  // whatever the conditions.
  int shortcutCountWithBlocks() const;
};
