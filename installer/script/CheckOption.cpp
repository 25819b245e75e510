#include "installer/script/CheckOption.h"

#include "installer/script/ValueCursor.h"

CheckOption CheckOption::parse(const char* value) {
  CheckOption option;
  ValueCursor cursor(value);
  option.name = cursor.readUntil(",");
  if (!cursor.skipIf(',')) return option;
  option.label = cursor.readEscaped(',');
  if (!cursor.skipIf(',')) return option;
  CText initial = cursor.readUntil(",");
  if (initial == "0" || initial.compareNoCase("FALSE") == 0) option.state = 0;
  return option;
}
