#include "levels/LevelDesigner.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <stdexcept>
#include <tuple>

#include "game/LevelShapes.h"
#include "levels/Polisher.h"

namespace bt::levels {

namespace {

constexpr uint32_t kSeed = 0x6272616dU;
constexpr int kAttempts = 16;
constexpr uint64_t kSolveBudget = 12'000'000;
constexpr uint64_t kQuickBudget = 200'000;
constexpr int kMostScrambleTurns = 60;

// Colour notes of the plan: level 6 is nine markers of colour 1 alone, the
// last level twenty-five of colour 3.
constexpr int kOnlyColourOfLevel6 = 1;
constexpr int kOnlyColourOfTheLastLevel = 3;

bool isBreather(int number) {
  return number % 6 == 0 && number != kLevelCount;
}

// The solution length a level aims at: twelve moves at level 4 rising to
// about forty-five at the last level, some thirty per cent less on a breather.
int wantedLengthFor(int number) {
  const double progress = (number - 4) / double(kLevelCount - 4);
  const double length = 12 + 33 * progress;
  return static_cast<int>(std::lround(isBreather(number) ? length * 0.7 : length));
}

// Each scramble turn adds about this many moves to the solution, cursor
// moves included.
constexpr double kMovesPerTurn = 2.6;

using Random = std::mt19937;

int pick(Random& random, int count) {
  return static_cast<int>(std::uniform_int_distribution<int>(0, count - 1)(random));
}

int colourCountFor(int number, int pairs, Random& random) {
  if (number == 6 || number == kLevelCount) return 1;
  int count;
  if (isBreather(number)) {
    count = 1 + pick(random, 2);
  } else if (number < 20) {
    count = 2 + pick(random, 3);
  } else {
    static constexpr int kLater[] = {2, 3, 3, 4, 4, 4};
    count = kLater[pick(random, 6)];
  }
  return std::min(count, pairs);
}

// The colours (1 to 4) of the tiles in layout order.
std::vector<int> tileColours(int number, int pairs, Random& random) {
  if (number == 6) return std::vector<int>(pairs, kOnlyColourOfLevel6);
  if (number == kLevelCount) return std::vector<int>(pairs, kOnlyColourOfTheLastLevel);
  std::vector<int> palette = {1, 2, 3, 4};
  std::shuffle(palette.begin(), palette.end(), random);
  palette.resize(colourCountFor(number, pairs, random));
  std::vector<int> colours;
  for (int i = 0; i < pairs; ++i) colours.push_back(palette[i * palette.size() / pairs]);
  return colours;
}

using Cell = std::pair<int, int>;  // x, y from 0

// Cells of the playing area within a square around the middle of the board,
// big enough to hold the tiles loosely.
std::vector<Cell> middleCells(const PuzzleBoard& board, int pairs, Random& random) {
  const int n = board.side();
  int half = static_cast<int>(std::ceil(std::sqrt(pairs * 2.2) / 2)) + pick(random, 2);
  half = std::min(half, (n + 1) / 2);
  std::vector<Cell> cells;
  const int low = std::max(0, n / 2 - half), high = std::min(n - 1, (n - 1) / 2 + half);
  for (int y = low; y <= high; ++y) {
    for (int x = low; x <= high; ++x) {
      if (board.inPlay(x, y)) cells.push_back({x, y});
    }
  }
  return cells;
}

// Tile cells in one of three layouts: scattered, mirrored left to right, or
// a compact block; colours follow the layout order, so they come in groups.
std::vector<Cell> tileLayout(const PuzzleBoard& board, int pairs, Random& random) {
  const int n = board.side();
  std::vector<Cell> area = middleCells(board, pairs, random);
  std::shuffle(area.begin(), area.end(), random);
  std::vector<Cell> chosen;
  auto taken = [&](Cell c) { return std::find(chosen.begin(), chosen.end(), c) != chosen.end(); };
  switch (pick(random, 3)) {
    case 0:  // mirrored: each tile on the left half has its twin on the right
      for (const Cell& c : area) {
        const Cell twin{n - 1 - c.first, c.second};
        if (static_cast<int>(chosen.size()) + 2 > pairs || taken(c) || taken(twin) || c == twin)
          continue;
        if (!board.inPlay(twin.first, twin.second)) continue;
        chosen.push_back(c);
        chosen.push_back(twin);
      }
      break;
    case 1: {  // a block around the middle, in reading order
      std::sort(area.begin(), area.end(), [&](Cell a, Cell b) {
        const double m = (n - 1) / 2.0;
        const double da = std::max(std::abs(a.first - m), std::abs(a.second - m));
        const double db = std::max(std::abs(b.first - m), std::abs(b.second - m));
        return da != db ? da < db : a < b;
      });
      for (const Cell& c : area) {
        if (static_cast<int>(chosen.size()) < pairs) chosen.push_back(c);
      }
      std::sort(chosen.begin(), chosen.end(), [](Cell a, Cell b) {
        return std::tie(a.second, a.first) < std::tie(b.second, b.first);
      });
      break;
    }
    default:
      break;
  }
  for (const Cell& c : area) {  // scattered, or whatever the layout left over
    if (static_cast<int>(chosen.size()) < pairs && !taken(c)) chosen.push_back(c);
  }
  if (static_cast<int>(chosen.size()) < pairs) throw std::logic_error("level area too small");
  return chosen;
}

bool turnChanges(const Position& position, int cursorX, int cursorY) {
  uint8_t first = position.markers[cellIndex(cursorX, cursorY)];
  for (const auto& offset : kRingOffsets) {
    if (position.markers[cellIndex(cursorX + offset[0], cursorY + offset[1])] != first) return true;
  }
  return false;
}

// Random turns that each change the board, the cursor wandering a little
// between them, so that the rings overlap and the turns depend on each other.
// Turns that take the markers farther from their tiles (by the solver's lower
// bound) are preferred, so that later turns do not simply undo earlier ones.
std::vector<Turn> scramble(const PuzzleBoard& board, const Solver& goal, Position& position,
                           int count, Random& random) {
  std::vector<Turn> turns;
  const int homeX = position.cursorX, homeY = position.cursorY;
  auto distanceOf = [&](Position p) {
    p.cursorX = homeX;
    p.cursorY = homeY;
    return goal.plainBound(p);
  };
  int x = homeX, y = homeY;
  for (int i = 0; i < count; ++i) {
    std::vector<Turn> choices;
    int bestScore = -1;
    for (int reach = 2; choices.empty() && reach <= 2 * kMaxSide; reach += 2) {
      for (int cy = board.minCursorY(); cy <= board.maxCursorY(); ++cy) {
        for (int cx = board.minCursorX(); cx <= board.maxCursorX(); ++cx) {
          if (std::abs(cx - x) + std::abs(cy - y) > reach || !turnChanges(position, cx, cy))
            continue;
          for (bool ccw : {true, false}) {
            const bool undoes = !turns.empty() && turns.back().cursorX == cx &&
                                turns.back().cursorY == cy && turns.back().counterClockwise != ccw;
            if (undoes) continue;
            Position next = position;
            next.cursorX = cx;
            next.cursorY = cy;
            rotateRing(next, ccw);
            const int score = distanceOf(next);
            if (score > bestScore) {
              bestScore = score;
              choices.clear();
            }
            if (score == bestScore) choices.push_back({cx, cy, ccw});
          }
        }
      }
    }
    if (choices.empty()) break;
    const Turn t = choices[pick(random, static_cast<int>(choices.size()))];
    position.cursorX = x = t.cursorX;
    position.cursorY = y = t.cursorY;
    rotateRing(position, t.counterClockwise);
    turns.push_back(t);
  }
  return turns;
}

std::vector<Turn> undoing(const std::vector<Turn>& scrambleTurns) {
  std::vector<Turn> turns(scrambleTurns.rbegin(), scrambleTurns.rend());
  for (Turn& t : turns) t.counterClockwise = !t.counterClockwise;
  return turns;
}

std::vector<Turn> turnsOfMoves(const PuzzleBoard& board, const std::string& moves) {
  std::vector<Turn> turns;
  Position position = board.start();
  for (char move : moves) {
    board.apply(position, move);
    if (move == kTurnLeft || move == kTurnRight) {
      turns.push_back({position.cursorX, position.cursorY, move == kTurnLeft});
    }
  }
  return turns;
}

Level levelOf(int side, const std::vector<Cell>& cells, const std::vector<int>& colours,
              const Position& scrambled) {
  Level level;
  level.side = side;
  for (size_t i = 0; i < cells.size(); ++i) {
    level.tiles.push_back({cells[i].first + 1, cells[i].second + 1, colours[i]});
  }
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const uint8_t marker = scrambled.markers[cellIndex(x, y)];
      if (marker != kNone) level.markers.push_back({x + 1, y + 1, marker + 1});
    }
  }
  return level;
}

// A quick, rough solution length, to choose among scrambles.
int quickLength(const PuzzleBoard& board, const std::vector<Turn>& scrambleTurns) {
  const std::vector<Turn> fallback = simplifyTurns(undoing(scrambleTurns));
  const int fallbackLength = solutionLength(board, fallback);
  Solver solver(board);
  const SearchOutcome outcome =
      solver.search(board.start(), {2.0, kQuickBudget, fallbackLength, false});
  return outcome.turns ? solutionLength(board, *outcome.turns) : fallbackLength;
}

}  // namespace

const std::vector<LevelPlan>& levelPlans() {
  static const std::vector<LevelPlan> plans = [] {
    std::vector<LevelPlan> all;
    for (const LevelShape& shape : kLevelShapes) all.push_back({shape.side, shape.pairs});
    return all;
  }();
  return plans;
}

Level fixedLevel(int number) {
  switch (number) {
    case 1:
      return {10,
              {{2, 2, 1}, {3, 3, 2}, {4, 4, 3}, {5, 5, 4}},
              {{3, 2, 1}, {4, 3, 2}, {5, 4, 3}, {6, 5, 4}}};
    case 2:
      return {10,
              {{4, 2, 1}, {7, 2, 2}, {5, 9, 3}, {6, 9, 4}},
              {{3, 3, 1}, {8, 3, 2}, {3, 8, 3}, {8, 8, 4}}};
    case 3:
      return {9, {{9, 5, 2}, {9, 6, 4}, {9, 7, 1}}, {{9, 2, 1}, {9, 3, 2}, {9, 4, 4}}};
    default:
      throw std::out_of_range("only levels 1 to 3 are fixed");
  }
}

SolveReport solveLevel(const Level& level, const std::string& fallback, uint64_t nodeBudget) {
  return solveBoard(PuzzleBoard(level), fallback, nodeBudget);
}

SolveReport solveBoard(const PuzzleBoard& board, const std::string& fallback, uint64_t nodeBudget) {
  std::vector<Turn> best = turnsOfMoves(board, fallback);
  bool known = !fallback.empty();
  if (known) best = polishSolution(board, best, {6, nodeBudget / 64, 3});
  SolveReport report;
  Solver solver(board);
  const int bestLength = known ? solutionLength(board, best) : 1 << 30;
  SearchOutcome exact = solver.search(board.start(), {1.0, nodeBudget, bestLength});
  report.nodes += exact.nodes;
  if (exact.turns) {
    best = *exact.turns;
    known = true;
  }
  report.shortest = exact.complete;
  report.provenAtLeast = exact.provenAtLeast;
  if (!exact.complete) {
    for (double weight : {1.5, 2.5}) {
      const int length = known ? solutionLength(board, best) : 1 << 30;
      SearchOutcome rough = solver.search(board.start(), {weight, nodeBudget / 4, length});
      report.nodes += rough.nodes;
      if (rough.turns) {
        best = *rough.turns;
        known = true;
      }
    }
    if (known) best = polishSolution(board, best, {8, nodeBudget / 32, 3});
  }
  if (!known) throw std::runtime_error("no solution found");
  report.solution = movesForTurns(best, board.start().cursorX, board.start().cursorY);
  // A search cut short within the bound of the solution's own length has
  // still proved it shortest.
  const int length = static_cast<int>(report.solution.size());
  report.shortest = report.shortest || report.provenAtLeast >= length;
  report.provenAtLeast = std::min(report.provenAtLeast, length);
  return report;
}

DesignedLevel designLevel(int number) {
  const LevelPlan plan = levelPlans().at(number - 1);
  DesignedLevel designed;
  std::string fallback;
  if (number <= 3) {
    designed.level = fixedLevel(number);
  } else {
    const int wanted = wantedLengthFor(number);
    // Scrambles often undo part of themselves; when one falls short the
    // next attempt scrambles longer.
    int turns = static_cast<int>(std::ceil(wanted / kMovesPerTurn));
    int bestMiss = 1 << 30;
    for (int attempt = 0; attempt < kAttempts && bestMiss > wanted / 8; ++attempt) {
      Random random(kSeed ^ (number * 7919u) ^ (attempt * 104729u));
      const Level empty{plan.side, {}, {}};
      const PuzzleBoard blank(empty);
      const std::vector<Cell> cells = tileLayout(blank, plan.pairs, random);
      const std::vector<int> colours = tileColours(number, plan.pairs, random);
      Level solvedLevel = levelOf(plan.side, cells, colours, Position{});
      solvedLevel.markers = solvedLevel.tiles;
      const PuzzleBoard solvedBoard(solvedLevel);
      const Solver goal(solvedBoard);
      Position position = solvedBoard.start();
      const std::vector<Turn> scrambleTurns = scramble(blank, goal, position, turns, random);
      const Level level = levelOf(plan.side, cells, colours, position);
      const PuzzleBoard board(level);
      if (board.solved(board.start())) continue;
      const int length = quickLength(board, scrambleTurns);
      const int miss = std::abs(length - wanted);
      if (miss < bestMiss) {
        bestMiss = miss;
        designed.level = level;
        designed.scrambleTurns = static_cast<int>(scrambleTurns.size());
        designed.attempts = attempt + 1;
        fallback =
            movesForTurns(undoing(scrambleTurns), board.start().cursorX, board.start().cursorY);
      }
      const double ratio = std::clamp(wanted / double(std::max(length, 1)), 0.7, 1.6);
      turns = std::clamp(static_cast<int>(std::lround(turns * ratio)), 2, kMostScrambleTurns);
    }
    if (designed.level.side == 0) throw std::logic_error("no scramble left the level unsolved");
  }
  const auto began = std::chrono::steady_clock::now();
  const SolveReport report = solveLevel(designed.level, fallback, kSolveBudget);
  designed.seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  designed.solution = report.solution;
  designed.shortest = report.shortest;
  designed.provenAtLeast = report.provenAtLeast;
  designed.nodes = report.nodes;
  return designed;
}

}  // namespace bt::levels
