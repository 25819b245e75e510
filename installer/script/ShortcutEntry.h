#pragma once
// ShortcutEntry: one ICON line of the setup script, a shortcut file and the
// file it starts, both with macros.
#include "framework/core/Text.h"

struct ShortcutEntry {
  CText link;
  CText target;

  // Link up to the first comma, target up to the next; further fields are
  // ignored and there is no quoting.
  static ShortcutEntry parse(const char* value);
};
