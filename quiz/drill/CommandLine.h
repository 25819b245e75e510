#pragma once
#include "framework/core/Text.h"

// The first word of a program's command line: from an opening double quote
// to the next one (spaces included), or else up to the first space. Empty
// when the line holds no argument.
CText firstArgument(const char* commandLine);
