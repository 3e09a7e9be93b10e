// How long the endless mode takes to make a puzzle: for every side and
// difficulty, twelve ids with pairs and colours drawn across the
// difficulty's range, each made once. The time is the processor time of all
// twelve; the counters give the mean and the worst of one id (ms), the
// units of work of the costliest and how many met the criteria.
//   build/bin/bench_puzzles --benchmark_counters_tabular=true
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>

#include "game/PuzzleGenerator.h"
#include "game/SeededRandom.h"

namespace {

using bt::puzzle::Difficulty;

constexpr int kIds = 12;

double processorSeconds() {
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

void BM_GeneratePuzzle(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  const auto difficulty = static_cast<Difficulty>(state.range(1));
  const bt::puzzle::PairRange pairs = bt::puzzle::pairRange(side, difficulty);
  double total = 0, worst = 0;
  uint64_t mostWork = 0;
  int met = 0;
  for (auto _ : state) {
    bt::puzzle::SeededRandom random(static_cast<uint64_t>(side * 3 + state.range(1)));
    for (int i = 0; i < kIds; ++i) {
      bt::puzzle::PuzzleSpec spec{side, 0, random.between(pairs.least, pairs.most), difficulty, 0};
      spec.colours = random.between(1, std::min(4, spec.pairs));
      spec.seed = static_cast<uint32_t>(random.next() % bt::puzzle::kSeedCount);
      const double start = processorSeconds();
      const bt::puzzle::GeneratedPuzzle puzzle = bt::puzzle::generatePuzzle(spec);
      const double seconds = processorSeconds() - start;
      total += seconds;
      worst = std::max(worst, seconds);
      mostWork = std::max(mostWork, puzzle.work);
      met += puzzle.meetsCriteria ? 1 : 0;
      benchmark::DoNotOptimize(puzzle.par);
    }
  }
  state.counters["mean_ms"] = 1000 * total / kIds;
  state.counters["worst_ms"] = 1000 * worst;
  state.counters["most_work"] = static_cast<double>(mostWork);
  state.counters["met"] = met;
}

void puzzleCases(benchmark::internal::Benchmark* bench) {
  for (int side = 5; side <= 10; ++side) {
    for (int difficulty = 0; difficulty < 3; ++difficulty) bench->Args({side, difficulty});
  }
}

BENCHMARK(BM_GeneratePuzzle)
    ->Apply(puzzleCases)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->MeasureProcessCPUTime();

}  // namespace
