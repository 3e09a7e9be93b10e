// Replaying a whole game's proof, as the score server does for every
// submitted score: the recorded solutions of all 72 levels (1,465 keys,
// about par), each level from its start. Also its text read back first, as
// the server reads it, and a game's moves shortened for the proof.
#include <benchmark/benchmark.h>

#include "game/GameProof.h"
#include "game/LevelData.h"

namespace {

bt::GameProof wholeGame() {
  bt::GameProof proof;
  for (std::string_view solution : bt::levelSolutions()) proof.levels.emplace_back(solution);
  return proof;
}

void BM_ReplayWholeGame(benchmark::State& state) {
  const bt::GameProof proof = wholeGame();
  for (auto _ : state) {
    auto refusal = bt::checkProof(proof);
    benchmark::DoNotOptimize(refusal);
  }
  state.counters["keys"] = static_cast<double>(bt::formatProof(proof).size() - 71);
}
BENCHMARK(BM_ReplayWholeGame)->Unit(benchmark::kMicrosecond);

void BM_ReadAndReplayWholeGame(benchmark::State& state) {
  const std::string text = bt::formatProof(wholeGame());
  for (auto _ : state) {
    const bt::ParsedProof parsed = bt::parseProof(text);
    auto refusal = bt::checkProof(*parsed.proof);
    benchmark::DoNotOptimize(refusal);
  }
}
BENCHMARK(BM_ReadAndReplayWholeGame)->Unit(benchmark::kMicrosecond);

// Level 72's solution with a turn and back before each turn: what the game
// does once per level solved.
void BM_ShortenLevel(benchmark::State& state) {
  const std::string_view solution = bt::levelSolutions()[bt::kLevelCount - 1];
  std::string detoured;
  for (char move : solution) {
    if (move == '<' || move == '>') detoured += move == '<' ? "><" : "<>";
    detoured += move;
  }
  for (auto _ : state) {
    std::string shortened = bt::shortenLevelMoves(bt::kLevelCount - 1, detoured);
    benchmark::DoNotOptimize(shortened);
  }
}
BENCHMARK(BM_ShortenLevel)->Unit(benchmark::kMicrosecond);

}  // namespace
