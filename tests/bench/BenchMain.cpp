// Runs every benchmark, then prints the registered ratios between them.
#include "tests/bench/Ratios.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <malloc.h>

namespace {

class CollectingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    // Of repeated runs the fastest counts: on a shared machine the others
    // measure the neighbours too.
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration) continue;
      std::string name = run.benchmark_name();
      name = name.substr(0, name.find("/repeats:"));
      double value = run.GetAdjustedRealTime() / 1e9 * multiplierFor(run.time_unit);
      auto found = seconds.find(name);
      if (found == seconds.end() || value < found->second) seconds[name] = value;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  std::map<std::string, double> seconds;

 private:
  static double multiplierFor(benchmark::TimeUnit unit) {
    switch (unit) {
      case benchmark::kSecond: return 1e9;
      case benchmark::kMillisecond: return 1e6;
      case benchmark::kMicrosecond: return 1e3;
      default: return 1;
    }
  }
};

}  // namespace

BenchRatio::BenchRatio(const char* label, const char* numerator, const char* denominator, double goal)
    : label(label), numerator(numerator), denominator(denominator), goal(goal) {
  benchRatios().push_back(this);
}

std::vector<BenchRatio*>& benchRatios() {
  static std::vector<BenchRatio*> ratios;
  return ratios;
}

BenchFigure::BenchFigure(const char* label, const char* unit, double goal) : label(label), unit(unit), goal(goal) {
  benchFigures().push_back(this);
}

std::vector<BenchFigure*>& benchFigures() {
  static std::vector<BenchFigure*> figures;
  return figures;
}

namespace {

void printGoal(double value, double goal, int decimals) {
  if (goal > 0) std::printf("   (goal <= %.*f: %s)", decimals, goal, value <= goal ? "met" : "MISSED");
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  // Every large block comes fresh from the system, with its page faults, as
  // it does for the Windows programs. Left to itself glibc keeps freed blocks
  // below an adaptive limit of at most 32 MB for the next allocation, so that
  // a word file just under the limit would open without page faults and one
  // just over it with them.
  mallopt(M_MMAP_THRESHOLD, 1 << 20);
  benchmark::Initialize(&argc, argv);
  CollectingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nRatios:\n");
  for (const BenchRatio* ratio : benchRatios()) {
    auto top = reporter.seconds.find(ratio->numerator);
    auto bottom = reporter.seconds.find(ratio->denominator);
    bool absolute = ratio->denominator.empty();
    if (top == reporter.seconds.end() || (!absolute && (bottom == reporter.seconds.end() || bottom->second <= 0)))
      continue;
    double value = absolute ? top->second : top->second / bottom->second;
    std::printf("  %-50s %6.2f", ratio->label.c_str(), value);
    if (!absolute) std::printf("   (%.1f ms / %.1f ms)", top->second * 1e3, bottom->second * 1e3);
    printGoal(value, ratio->goal, 2);
  }
  for (const BenchFigure* figure : benchFigures()) {
    if (!figure->measured) continue;
    std::printf("  %-50s %6.0f %s", figure->label.c_str(), figure->value, figure->unit.c_str());
    printGoal(figure->value, figure->goal, 0);
  }
  benchmark::Shutdown();
  return 0;
}
