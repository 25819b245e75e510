// Drawing a word test of 1,000,000 of 1,000,000 pairs (goal: under 0.2 s),
// and combining two word files of 500,000 pairs each against the floor of
// writing the result's bytes (goal: within 2 x), with the memory it takes.
#include "quiz/drill/WordTest.h"
#include "tests/bench/PeakMemory.h"
#include "tests/bench/Ratios.h"
#include "wordlist/FileCombiner.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kTestPairs = 1000000;
const int kHalfPairs = 500000;

BenchFigure combineMemory("combine 2 x 500,000 pairs: peak memory", "KB", 0);

std::string benchPath(const char* name) { return std::string("/tmp/verbolt-bench-") + name; }

void BM_DrawTestOfAllPairs(benchmark::State& state) {
  WordList list;
  for (int i = 0; i < kTestPairs; ++i) list.pairs.append("sana", "word", 1);
  RandomSource random;
  WordTest test(list, random);
  for (auto _ : state)
    if (test.start(kTestPairs, 0) != WordTest::kStarted) state.SkipWithError("start");
  state.SetLabel("goal: under 200 ms");
}

// Writes the two halves once per run.
void writeHalves() {
  static bool written = [] {
    for (const char* name : {"first-half.wdl", "second-half.wdl"}) {
      WordList list;
      list.firstLanguage = "English";
      list.secondLanguage = "Finnish";
      char first[32], second[32];
      for (int i = 0; i < kHalfPairs; ++i) {
        std::snprintf(first, sizeof first, "word%07d", i);
        std::snprintf(second, sizeof second, "sana%07d", i);
        list.pairs.append(first, second, i % 2);
      }
      list.fileName = benchPath(name).c_str();
      writeWordFile(list);
    }
    return true;
  }();
  benchmark::DoNotOptimize(written);
}

void combine(benchmark::State& state, WordOrder order) {
  writeHalves();
  FileInfo header;
  header.firstLanguage = "English";
  header.secondLanguage = "Finnish";
  std::string first = benchPath("first-half.wdl"), second = benchPath("second-half.wdl");
  std::string result = benchPath("combined.wdl");
  auto combineOnce = [&] {
    if (combineWordFiles(first.c_str(), second.c_str(), result.c_str(), header, order) != CombineResult::Ok)
      state.SkipWithError("combine");
  };
  for (auto _ : state) combineOnce();
  combineMemory.record(peakMemoryAboveKB(combineOnce));
}

void BM_CombineSameOrder(benchmark::State& state) { combine(state, WordOrder::Same); }
void BM_CombineReversedOrder(benchmark::State& state) { combine(state, WordOrder::Reversed); }

// Writing as many bytes as the combined file has, in one go.
void BM_CombineWriteFloor(benchmark::State& state) {
  writeHalves();
  FILE* sizing = std::fopen(benchPath("first-half.wdl").c_str(), "rb");
  std::fseek(sizing, 0, SEEK_END);
  std::vector<char> bytes(2 * static_cast<size_t>(std::ftell(sizing)), 'x');
  std::fclose(sizing);
  std::string path = benchPath("combine-floor.bin");
  for (auto _ : state) {
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
}

// Reading both sources through a buffer of 64 KB and writing what is read to
// a new file that then replaces the old one: what combining cannot do without,
// before it looks at a single record.
void BM_CombineCopyFloor(benchmark::State& state) {
  writeHalves();
  std::vector<char> buffer(64 * 1024);
  std::string path = benchPath("combine-copy.bin"), temporary = benchPath("combine-copy.tmp");
  for (auto _ : state) {
    FILE* out = std::fopen(temporary.c_str(), "wb");
    std::setvbuf(out, nullptr, _IONBF, 0);
    for (const char* name : {"first-half.wdl", "second-half.wdl"}) {
      FILE* in = std::fopen(benchPath(name).c_str(), "rb");
      std::setvbuf(in, nullptr, _IONBF, 0);
      for (size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), in)) > 0;)
        std::fwrite(buffer.data(), 1, got, out);
      std::fclose(in);
    }
    std::fclose(out);
    std::rename(temporary.c_str(), path.c_str());
  }
}

BENCHMARK(BM_DrawTestOfAllPairs)->Unit(benchmark::kMillisecond);
// Repeated as the word file's reading and writing are, the fastest run
// counting, since a single run of a few dozen milliseconds of file writing
// varies with the system's write-back.
BENCHMARK(BM_CombineWriteFloor)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BM_CombineCopyFloor)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BM_CombineSameOrder)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BM_CombineReversedOrder)->Unit(benchmark::kMillisecond)->Repetitions(3);

BenchRatio sameRatio("combine 2 x 500,000 pairs / write floor", "BM_CombineSameOrder", "BM_CombineWriteFloor", 2.0);
BenchRatio reversedRatio("combine reversed / write floor", "BM_CombineReversedOrder", "BM_CombineWriteFloor", 2.0);
BenchRatio copyFloorRatio("copy floor (read, write, replace) / write floor", "BM_CombineCopyFloor",
                          "BM_CombineWriteFloor", 0);
BenchRatio sameCopyRatio("combine / copy floor", "BM_CombineSameOrder", "BM_CombineCopyFloor", 0);

}  // namespace
