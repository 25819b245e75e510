// Shuffling a drill of 1,000,000 marked pairs, and marking long answers,
// whose cost should grow in step with their length.
#include "quiz/drill/AnswerMarker.h"
#include "quiz/drill/Drill.h"
#include "tests/bench/Ratios.h"
#include "wordlist/TextEncoding.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

class SilentEvents : public DrillEvents {
 public:
  void playSound(const char*) override {}
  void showError(UINT) override {}
};

WordList& markedList(int pairs) {
  static WordList list;
  if (list.pairs.count() != pairs) {
    list.pairs.clear();
    for (int i = 0; i < pairs; ++i) list.pairs.append("sana", "word", 1);
  }
  return list;
}

void BM_ShuffleMarkedPairs(benchmark::State& state) {
  WordList& list = markedList(static_cast<int>(state.range(0)));
  Settings settings;
  SilentEvents events;
  RandomSource random;
  Drill drill(list, settings, events, random);
  for (auto _ : state)
    if (!drill.shuffle()) state.SkipWithError("shuffle");
  state.counters["pairs"] = static_cast<double>(drill.state().count);
}

// Every character differs, so every one is marked on both lines.
void markAnswers(benchmark::State& state, const std::string& typed, const std::string& right) {
  Settings settings;
  AnswerMarker marker(settings);
  CText rightLine, yourLine;
  for (auto _ : state) {
    marker.build(typed.c_str(), right.c_str(), nullptr, &rightLine, &yourLine);
    benchmark::DoNotOptimize(yourLine.length());
  }
}

void BM_MarkAnswers(benchmark::State& state) {
  size_t length = static_cast<size_t>(state.range(0));
  markAnswers(state, std::string(length, 'a'), std::string(length, 'b'));
}

// Two-byte characters where the program's strings are UTF-8.
void BM_MarkCyrillicAnswers(benchmark::State& state) {
  setProgramEncoding(TextEncoding::kUtf8);
  std::string typed, right;
  for (int64_t i = 0; i < state.range(0); ++i) {
    typed += u8"ж";
    right += u8"з";
  }
  markAnswers(state, typed, right);
  setProgramEncoding(TextEncoding::kCp1252);
}

BENCHMARK(BM_ShuffleMarkedPairs)->Arg(30000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MarkAnswers)->Arg(400)->Arg(4000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MarkCyrillicAnswers)->Arg(400)->Arg(4000)->Unit(benchmark::kMicrosecond);

BenchRatio markRatio("marking 4,000 / 400 characters (linear: 10)", "BM_MarkAnswers/4000",
                     "BM_MarkAnswers/400", 15.0);
BenchRatio markCyrillicRatio("marking 4,000 / 400 Cyrillic characters (linear: 10)", "BM_MarkCyrillicAnswers/4000",
                             "BM_MarkCyrillicAnswers/400", 15.0);

}  // namespace
