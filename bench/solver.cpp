// The exact solver from a level's start: the pattern tables built for the
// level and the whole deepening search, as `solve` runs it, within a node
// budget (second argument, in millions). Levels 1, 36 and 72, and the
// slowest proofs among the levels. The counters give the nodes searched and
// whether the search ended with a proof (1) or at its budget (0).
#include "game/Solver.h"

#include <benchmark/benchmark.h>

#include "game/LevelData.h"
#include "game/PuzzleBoard.h"

namespace {

void BM_SolveFromStart(benchmark::State& state) {
  const int number = static_cast<int>(state.range(0));
  const uint64_t budget = static_cast<uint64_t>(state.range(1)) * 1'000'000;
  const bt::puzzle::PuzzleBoard board(bt::levelOf(bt::builtInLevels()[number - 1]));
  bt::puzzle::SearchOutcome outcome;
  for (auto _ : state) {
    bt::puzzle::Solver solver(board);
    outcome = solver.search(board.start(), {1.0, budget});
    benchmark::DoNotOptimize(outcome.turns);
  }
  state.counters["nodes"] = static_cast<double>(outcome.nodes);
  state.counters["proven"] = outcome.complete ? 1 : 0;
}

// The pattern tables and position keys alone.
void BM_BuildSolver(benchmark::State& state) {
  const int number = static_cast<int>(state.range(0));
  const bt::puzzle::PuzzleBoard board(bt::levelOf(bt::builtInLevels()[number - 1]));
  for (auto _ : state) {
    bt::puzzle::Solver solver(board);
    benchmark::DoNotOptimize(solver.lowerBound(board.start()));
  }
}

}  // namespace

BENCHMARK(BM_SolveFromStart)->Args({1, 5})->Args({36, 5})->Unit(benchmark::kMillisecond);
// The proofs with the most nodes (71, then 72: many markers on side 7) and
// the most time in docs/levels.md (20: sixteen pairs on side 10).
BENCHMARK(BM_SolveFromStart)
    ->Args({71, 20})
    ->Args({72, 20})
    ->Args({20, 5})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_BuildSolver)->Arg(1)->Arg(72)->Unit(benchmark::kMillisecond);
