#include "installer/script/EntryLists.h"

#include "installer/script/ConditionBlock.h"

long EntryLists::fileSize() const {
  long total = 0;
  for (const FileEntry& file : files) total += file.countedSize();
  return total;
}

int EntryLists::shortcutCountWithBlocks() const {
  int count = static_cast<int>(shortcuts.size());
  for (const ConditionBlock& block : conditions) count += block.shortcutCountWithBlocks();
  return count;
}
