#include "installer/script/FileEntry.h"

#include "installer/script/PayloadCatalog.h"
#include "installer/script/ValueCursor.h"

FileEntry FileEntry::fromFile(const char* value, const PayloadCatalog& payloads) {
  FileEntry entry;
  ValueCursor cursor(value);
  entry.payloadName = cursor.readUntil(",");
  entry.size = payloads.payloadSize(entry.payloadName.c_str());
  if (cursor.skipIf(',')) entry.destination = cursor.readUntil(",");
  if (entry.destination.empty()) {
    entry.destination = "%d\\";
    entry.destination.append(entry.payloadName);
  }
  if (cursor.skipIf(',')) entry.minimumVersion = cursor.readUntil(",");
  if (cursor.skipIf(',')) entry.requiredExports = cursor.readUntil(",");
  return entry;
}

FileEntry FileEntry::fromDirectory(const char* value) {
  FileEntry entry;
  entry.destination = value;
  entry.size = kDirectorySize;
  return entry;
}
