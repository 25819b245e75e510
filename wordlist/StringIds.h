#pragma once
// String resources that the word list code reads itself.
#include "framework/Win32.h"

const UINT kStringMade = 22015;  // "Made: ", followed by the date
