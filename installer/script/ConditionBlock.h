#pragma once
// ConditionBlock: the entries of an IF line's section, used only while the
// condition holds (SetupScript::holds).
#include "installer/script/EntryLists.h"

struct ConditionBlock : EntryLists {
  CText variable;
  CText comparedText;
  bool equalTest = true;  // true for ==, false for !=

  // Reads an IF value "variable==text,section" (or "!="): fills variable,
  // compared text and equal test and answers the section name, empty when the
  // block has no entries. A value with neither "=" nor "!" gives a block with
  // no entries.
  CText readHead(const char* value);
};
