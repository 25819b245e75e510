#pragma once
// The most memory the process holds while work runs, above what it held just
// before, in KB; negative where this system cannot tell.
#include <functional>

double peakMemoryAboveKB(const std::function<void()>& work);
