#pragma once
// The grade of a word test on the school scale from 4 to 10: the whole number,
// then ' ', '+', the one-half sign 0xBD, or '-' with the number raised by one,
// by the fraction of right * 10 / total. Anything at or below 4 is "4".
#include "framework/core/Text.h"

CText testGrade(int right, int total);
