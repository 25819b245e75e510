#include "installer/script/ShortcutEntry.h"

#include "installer/script/ValueCursor.h"

ShortcutEntry ShortcutEntry::parse(const char* value) {
  ShortcutEntry entry;
  ValueCursor cursor(value);
  entry.link = cursor.readUntil(",");
  if (cursor.skipIf(',')) entry.target = cursor.readUntil(",");
  return entry;
}
