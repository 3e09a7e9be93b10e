// How long the endless mode takes to make a puzzle: every side and
// difficulty, over a few seeds each (the CPU time of one generatePuzzle).
//   build/bin/bench_puzzles --benchmark_counters_tabular=true
#include <benchmark/benchmark.h>

#include "game/PuzzleGenerator.h"

namespace {

using bt::puzzle::Difficulty;

void BM_GeneratePuzzle(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  const auto difficulty = static_cast<Difficulty>(state.range(1));
  const bt::puzzle::PairRange pairs = bt::puzzle::pairRange(side, difficulty);
  uint32_t seed = static_cast<uint32_t>(state.range(2));
  int candidates = 0;
  for (auto _ : state) {
    const bt::puzzle::PuzzleSpec spec{side, std::min(4, pairs.least), pairs.least, difficulty,
                                      seed};
    const bt::puzzle::GeneratedPuzzle puzzle = bt::puzzle::generatePuzzle(spec);
    candidates = puzzle.candidates;
    benchmark::DoNotOptimize(puzzle.par);
  }
  state.counters["candidates"] = candidates;
}

void puzzleCases(benchmark::internal::Benchmark* bench) {
  for (int side = 5; side <= 10; ++side) {
    for (int difficulty = 0; difficulty < 3; ++difficulty) {
      for (int seed : {1, 77777, 4242424}) bench->Args({side, difficulty, seed});
    }
  }
}

BENCHMARK(BM_GeneratePuzzle)
    ->Apply(puzzleCases)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->MeasureProcessCPUTime();

}  // namespace
