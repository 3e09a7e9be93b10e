#include "levels/FilledBoardDesign.h"

#include <algorithm>
#include <random>
#include <stdexcept>

#include "levels/LevelCriteria.h"

namespace bt::levels {

namespace {

constexpr uint32_t kSeed = 0x66696c6cU;
// Candidates screened, spread evenly over the sequences found.
constexpr int kAttempts = 24;

int cellsInPlay(const PuzzleBoard& board) {
  int cells = 0;
  for (int y = 0; y < board.side(); ++y) {
    for (int x = 0; x < board.side(); ++x) cells += board.inPlay(x, y) ? 1 : 0;
  }
  return cells;
}

// The shortest solution, starting from a known one, when the solver proves
// it within the budget; nullopt otherwise.
std::optional<std::string> provenShortest(const Level& level, std::string moves, uint64_t budget) {
  const PuzzleBoard board(level);
  Solver solver(board);
  for (;;) {
    const SearchOutcome outcome =
        solver.search(board.start(), {1.0, budget, static_cast<int>(moves.size())});
    if (!outcome.complete) return std::nullopt;
    if (!outcome.turns) return moves;
    moves = movesForTurns(*outcome.turns, board.start().cursorX, board.start().cursorY);
  }
}

// The sequences to screen: up to kAttempts spread evenly over those that
// may give a par in the window, the longest first.
std::vector<FillingTurns> screeningOrder(const FilledPlan& plan) {
  const PuzzleBoard blank(Level{plan.side, {}, {}});
  std::vector<FillingTurns> sequences =
      fillingTurns(blank, cellsInPlay(blank) - plan.pairs, plan.highPar);
  std::erase_if(sequences, [&](const FillingTurns& s) { return s.moves < plan.lowPar; });
  std::stable_sort(sequences.begin(), sequences.end(),
                   [](const FillingTurns& a, const FillingTurns& b) { return a.moves > b.moves; });
  std::vector<FillingTurns> chosen;
  const size_t count = std::min<size_t>(kAttempts, sequences.size());
  for (size_t i = 0; i < count; ++i) chosen.push_back(sequences[i * sequences.size() / count]);
  return chosen;
}

}  // namespace

bool crowdsItsBoard(int side, int pairs) {
  return pairs > cellsInPlay(PuzzleBoard(Level{side, {}, {}})) - pairs;
}

Level filledLayout(const FillingTurns& sequence, const FilledPlan& plan, uint32_t seed) {
  const PuzzleBoard blank(Level{plan.side, {}, {}});
  std::mt19937 random(seed);
  std::vector<int> free;
  for (const std::vector<int>& cycle : cyclesOf(blank, sequence.carried)) {
    const size_t n = cycle.size(), offset = random() % n;
    for (size_t i = 0; i < n / 2; ++i) free.push_back(cycle[(offset + 2 * i) % n]);
  }
  const size_t wanted = static_cast<size_t>(cellsInPlay(blank) - plan.pairs);
  if (free.size() < wanted) throw std::logic_error("the turns cannot fill the board");
  while (free.size() > wanted) free.erase(free.begin() + random() % free.size());
  std::array<bool, kCells> tile{};
  Level level{plan.side, {}, {}};
  for (int y = 0; y < plan.side; ++y) {
    for (int x = 0; x < plan.side; ++x) {
      const int cell = cellIndex(x, y);
      tile[cell] = blank.inPlay(x, y) && std::find(free.begin(), free.end(), cell) == free.end();
      if (tile[cell]) level.tiles.push_back({x + 1, y + 1, plan.colour});
    }
  }
  for (int y = 0; y < plan.side; ++y) {
    for (int x = 0; x < plan.side; ++x) {
      const int cell = cellIndex(x, y);
      if (blank.inPlay(x, y) && tile[sequence.carried[cell]])
        level.markers.push_back({x + 1, y + 1, plan.colour});
    }
  }
  return level;
}

std::optional<FilledDesign> designFilledBoard(const FilledPlan& plan,
                                              const std::set<std::string>& shapes) {
  const std::vector<FillingTurns> sequences = screeningOrder(plan);
  const PuzzleBoard blank(Level{plan.side, {}, {}});
  std::optional<FilledDesign> kept;
  size_t screened = 0;
  while (screened < sequences.size()) {
    const size_t i = screened++;
    const Level level =
        filledLayout(sequences[i], plan, kSeed ^ static_cast<uint32_t>(i * 104729u));
    if (shapes.count(canonicalShape(level))) continue;
    const std::optional<std::string> solution = provenShortest(
        level, movesForTurns(sequences[i].turns, blank.start().cursorX, blank.start().cursorY),
        plan.nodeBudget);
    if (!solution) continue;  // too slow to prove
    const int par = static_cast<int>(solution->size());
    if (par < plan.lowPar || measureLevel(level, par, false).margin() < wantedMargin(par)) continue;
    if (!kept || par > static_cast<int>(kept->solution.size())) {
      kept = FilledDesign{level, *solution, static_cast<int>(sequences[i].turns.size()), 0};
    }
    if (par == plan.highPar) break;
  }
  if (kept) kept->attempts = static_cast<int>(screened);
  return kept;
}

}  // namespace bt::levels
