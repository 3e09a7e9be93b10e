// The solver from a level's start to a proven shortest solution: the pattern
// tables built for the level and the whole deepening search, as `solve` and
// a hint would run it. Levels 1, 36 and 72, and level 31, the slowest proof
// of the levels that benchmark in seconds (level 28 and others need more and
// run with brambletop-levels). The counters give the nodes searched.
#include <benchmark/benchmark.h>

#include "game/LevelData.h"
#include "game/PuzzleBoard.h"
#include "game/Solver.h"

namespace {

constexpr uint64_t kBudget = 100'000'000;

void BM_SolveFromStart(benchmark::State& state) {
  const int number = static_cast<int>(state.range(0));
  const bt::puzzle::PuzzleBoard board(bt::puzzle::levelOf(bt::builtInLevels()[number - 1]));
  uint64_t nodes = 0;
  for (auto _ : state) {
    bt::puzzle::Solver solver(board);
    const bt::puzzle::SearchOutcome outcome = solver.search(board.start(), {1.0, kBudget});
    if (!outcome.complete) state.SkipWithError("the budget ran out");
    nodes = outcome.nodes;
    benchmark::DoNotOptimize(outcome.turns);
  }
  state.counters["nodes"] = static_cast<double>(nodes);
}

// The pattern tables and position keys alone.
void BM_BuildSolver(benchmark::State& state) {
  const int number = static_cast<int>(state.range(0));
  const bt::puzzle::PuzzleBoard board(bt::puzzle::levelOf(bt::builtInLevels()[number - 1]));
  for (auto _ : state) {
    bt::puzzle::Solver solver(board);
    benchmark::DoNotOptimize(solver.lowerBound(board.start()));
  }
}

}  // namespace

BENCHMARK(BM_SolveFromStart)->Arg(1)->Arg(36)->Arg(72)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolveFromStart)->Arg(31)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BuildSolver)->Arg(1)->Arg(72)->Unit(benchmark::kMillisecond);
