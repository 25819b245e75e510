#pragma once
// RunEntry: one RUN line of the setup script, kept as written; RunCommand
// reads it when it runs.
#include "framework/core/Text.h"

struct RunEntry {
  CText text;
};
