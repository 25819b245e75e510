#pragma once
// Ratios between benchmark times, printed after all benchmarks have run, so
// that a goal such as "open within 3 x the floor" reads off directly.
//   static BenchRatio ratio("open / read floor", "BM_Open", "BM_ReadFloor", 3.0);
// Names are the benchmark names as Google Benchmark prints them; an empty
// denominator prints the numerator's time in seconds against the goal.
// Figures other than times (memory) are measured by a benchmark and printed
// with the ratios, against their goal.
#include <string>
#include <vector>

struct BenchRatio {
  BenchRatio(const char* label, const char* numerator, const char* denominator, double goal);

  std::string label, numerator, denominator;
  double goal;  // the ratio should stay at or below it; 0 for none
};

std::vector<BenchRatio*>& benchRatios();

struct BenchFigure {
  BenchFigure(const char* label, const char* unit, double goal);

  std::string label, unit;
  double goal;          // the figure should stay at or below it; 0 for none
  bool measured = false;
  double value = 0;

  // Keeps the largest of the values measured; a negative one is no value.
  void record(double measuredValue) {
    if (measuredValue < 0 || (measured && measuredValue <= value)) return;
    value = measuredValue;
    measured = true;
  }
};

std::vector<BenchFigure*>& benchFigures();
