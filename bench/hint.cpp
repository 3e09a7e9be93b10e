// The answer to the hint key (HintSearch::ask) as the game screen asks it:
// from a level's start and from the middle of its recorded solution (both
// answered from the recorded solution), and from a few random keys off the
// middle of it (the way back and a search of HintSearch's answer budget),
// for levels 1, 36 and 72 and the level whose answers are slowest. The
// search's tables are built beforehand, as the game builds them between
// frames; the answers kept from earlier positions are not (each answer off
// the solution is the first there). HintSweep times every position along
// every recorded solution (0) and the ends of random walks from every start
// (1; one search per level, its tables built once), and gives the median and
// the worst answer in milliseconds with the level of the worst.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <random>
#include <string_view>
#include <vector>

#include "game/HintSearch.h"
#include "game/LevelData.h"
#include "game/LevelTable.h"

namespace {

using bt::Game;
using bt::HintSearch;
using bt::UndoHistory;

constexpr char kKeys[] = {'U', 'D', 'L', 'R', '<', '>'};

Game levelStart(int number) {
  Game game;
  game.board.levelIndex = number - 1;
  bt::LevelTable::loadLevel(game.board, number - 1);
  return game;
}

// One key through the rules, a rotation noted as the game screen notes it.
bool play(Game& game, UndoHistory& history, char key) {
  if (key != '<' && key != '>') return bt::playMove(game, key);
  if (bt::startRotation(game, key == '<') != bt::RotationStart::Started) return false;
  history.record(game);
  bt::finishRotation(game);
  return true;
}

// A hint search for the game's level with its tables built.
std::unique_ptr<HintSearch> preparedHints(const Game& game) {
  auto hints = std::make_unique<HintSearch>();
  hints->prepare(game);
  return hints;
}

struct Place {
  Game game;
  UndoHistory history;
};

// The middle of the level's recorded solution, then `offKeys` random keys.
void placeMidSolution(int number, int offKeys, Place& place) {
  place.game = levelStart(number);
  const std::string_view solution = bt::levelSolutions()[static_cast<size_t>(number - 1)];
  for (char key : solution.substr(0, solution.size() / 2)) play(place.game, place.history, key);
  std::mt19937 random(static_cast<unsigned>(number));
  for (int keys = 0; keys < offKeys;) keys += play(place.game, place.history, kKeys[random() % 6]);
}

void BM_HintFromStart(benchmark::State& state) {
  const Game game = levelStart(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    HintSearch hints;  // the level's first hint: its solver and its recorded solution set up
    benchmark::DoNotOptimize(hints.ask(game, {}));
  }
}

void BM_HintMidSolution(benchmark::State& state) {
  Place place;
  placeMidSolution(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), place);
  const auto turns = place.history.turnsSinceRestart(place.game);
  bt::Hint hint;
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<HintSearch> hints = preparedHints(place.game);
    state.ResumeTiming();
    hint = hints->ask(place.game, turns);
    benchmark::DoNotOptimize(hint);
  }
  state.counters["keys"] = hint.keys;
  state.counters["shortest"] = hint.shortest ? 1 : 0;
}

// Each position's answer in milliseconds of the processor's time (the
// machine is shared, so the time that passes says less), by a hint search
// per walk (or per level along the solutions) with its tables built.
void BM_HintSweep(benchmark::State& state) {
  const bool walks = state.range(0) != 0;
  std::vector<double> times;
  std::vector<int> levels;
  for (auto _ : state) {
    times.clear();
    levels.clear();
    std::mt19937 random(72);
    for (int number = 1; number <= bt::kLevelCount; ++number) {
      const Game start = levelStart(number);
      std::unique_ptr<HintSearch> hints = preparedHints(start);
      auto time = [&](const Game& game, const UndoHistory& history) {
        const auto turns = history.turnsSinceRestart(game);
        const std::clock_t before = std::clock();
        benchmark::DoNotOptimize(hints->ask(game, turns));
        times.push_back(1000.0 * static_cast<double>(std::clock() - before) / CLOCKS_PER_SEC);
        levels.push_back(number);
      };
      if (!walks) {
        Place place{start, {}};
        const std::string_view solution = bt::levelSolutions()[static_cast<size_t>(number - 1)];
        for (char key : solution.substr(0, solution.size() - 1)) {
          time(place.game, place.history);
          play(place.game, place.history, key);
        }
        continue;
      }
      for (int keys : {2, 5, 10, 20, 40}) {
        Place place{start, {}};
        for (int played = 0; played < keys;) {
          played += play(place.game, place.history, kKeys[random() % 6]);
        }
        if (bt::isSolved(place.game.board)) continue;
        time(place.game, place.history);
      }
    }
  }
  std::vector<double> sorted = times;
  std::sort(sorted.begin(), sorted.end());
  const size_t worst =
      static_cast<size_t>(std::max_element(times.begin(), times.end()) - times.begin());
  state.counters["positions"] = static_cast<double>(times.size());
  state.counters["median_ms"] = sorted[sorted.size() / 2];
  state.counters["worst_ms"] = sorted.back();
  state.counters["worst_level"] = levels[worst];
}

}  // namespace

// Level 31 has the slowest answer of the sweep (21 markers in four colours
// on side 7, par 20).
BENCHMARK(BM_HintFromStart)->Arg(1)->Arg(36)->Arg(72)->Arg(31)->Unit(benchmark::kMicrosecond);
// On the recorded solution (0 keys off it), and 3 random keys off it.
BENCHMARK(BM_HintMidSolution)
    ->ArgsProduct({{1, 36, 72, 31}, {0, 3}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);  // each iteration first builds the level's tables, untimed
BENCHMARK(BM_HintSweep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);
