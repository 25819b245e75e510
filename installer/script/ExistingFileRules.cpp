#include "installer/script/ExistingFileRules.h"

#include "installer/script/ValueCursor.h"

CText withExtension(const char* path, const char* extension) {
  CText result(path);
  int dot = result.findLast('.');
  if (dot >= 0) result = result.left(dot);
  result.append(extension);
  return result;
}

VersionVerdict compareWithMinimumVersion(const char* minimum, uint32_t mostSignificant,
                                         uint32_t leastSignificant) {
  const uint32_t existing[] = {mostSignificant >> 16, mostSignificant & 0xFFFF, leastSignificant >> 16,
                               leastSignificant & 0xFFFF};
  const char* p = minimum;
  for (uint32_t part : existing) {
    if (*p == 0) break;
    uint64_t wanted = 0;
    for (; *p && *p != '.'; ++p) {
      if (*p >= '0' && *p <= '9' && wanted <= 0xFFFFFFFFu) wanted = wanted * 10 + (*p - '0');
    }
    if (*p == '.') ++p;
    if (part != wanted) return part > wanted ? VersionVerdict::kAsk : VersionVerdict::kReplace;
  }
  return VersionVerdict::kAsk;
}

std::vector<CText> exportNames(const char* list) {
  std::vector<CText> names;
  ValueCursor cursor(list);
  for (cursor.skipBlanks(); !cursor.atEnd(); cursor.skipBlanks()) names.push_back(cursor.readUntil(" "));
  return names;
}
