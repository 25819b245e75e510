#include "installer/script/ConditionBlock.h"

#include "installer/script/ValueCursor.h"

CText ConditionBlock::readHead(const char* value) {
  ValueCursor cursor(value);
  variable = cursor.readUntil("!=");
  if (cursor.atEnd()) return CText();
  equalTest = cursor.peek() != '!';
  cursor.skip(2);
  comparedText = cursor.readUntil(",");
  cursor.skipIf(',');
  cursor.skipBlanks();
  return cursor.readUntil(" ");
}
