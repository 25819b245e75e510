#pragma once
// CheckOption: one CHECK line of the setup script, a yes/no option offered on
// the options page. Its name is a variable of the script.
#include "framework/core/Text.h"

struct CheckOption {
  CText label;  // escapes resolved
  CText name;
  unsigned char state = 1;  // 1 checked, 0 unchecked
  unsigned controlId = 0;  // the options page's check box, 0 until made

  // Name, then label (escapes as in ValueCursor::readEscaped, up to an
  // unescaped comma), then default: "0" or "FALSE" in any case starts the
  // option unchecked, anything else or nothing checked.
  static CheckOption parse(const char* value);
};
