#pragma once
// Ratios between benchmark times, printed after all benchmarks have run, so
// that a goal such as "open within 3 x the floor" reads off directly.
//   static BenchRatio ratio("open / read floor", "BM_Open", "BM_ReadFloor", 3.0);
// Names are the benchmark names as Google Benchmark prints them; an empty
// denominator prints the numerator's time in seconds against the goal.
#include <string>
#include <vector>

struct BenchRatio {
  BenchRatio(const char* label, const char* numerator, const char* denominator, double goal);

  std::string label, numerator, denominator;
  double goal;  // the ratio should stay at or below it; 0 for none
};

std::vector<BenchRatio*>& benchRatios();
