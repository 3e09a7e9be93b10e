#include "levels/Polisher.h"

namespace bt::levels {

namespace {

// The markers of a position as the tiles of a level: reaching them is
// solving that level.
Level arrangementAsLevel(int side, const Position& from, const Position& goal) {
  Level level;
  level.side = side;
  for (int cell = 0; cell < kCells; ++cell) {
    const int column = cell % kMaxSide + 1, row = cell / kMaxSide + 1;
    if (goal.markers[cell] != kNone) level.tiles.push_back({column, row, goal.markers[cell] + 1});
    if (from.markers[cell] != kNone) level.markers.push_back({column, row, from.markers[cell] + 1});
  }
  return level;
}

std::vector<Position> positionsAlong(const PuzzleBoard& board, const std::vector<Turn>& turns) {
  std::vector<Position> positions{board.start()};
  for (const Turn& t : turns) {
    Position next = positions.back();
    next.cursorX = t.cursorX;
    next.cursorY = t.cursorY;
    rotateRing(next, t.counterClockwise);
    positions.push_back(next);
  }
  return positions;
}

}  // namespace

int solutionLength(const PuzzleBoard& board, const std::vector<Turn>& turns) {
  return static_cast<int>(
      movesForTurns(turns, board.start().cursorX, board.start().cursorY).size());
}

std::vector<Turn> simplifyTurns(const std::vector<Turn>& turns) {
  std::vector<Turn> out;
  for (const Turn& t : turns) {
    // Net steps counter-clockwise of the run at the end of out, plus this turn.
    size_t runStart = out.size();
    while (runStart > 0 && out[runStart - 1].cursorX == t.cursorX &&
           out[runStart - 1].cursorY == t.cursorY) {
      --runStart;
    }
    int net = t.counterClockwise ? 1 : -1;
    for (size_t i = runStart; i < out.size(); ++i) net += out[i].counterClockwise ? 1 : -1;
    out.resize(runStart);
    net = ((net % 8) + 8) % 8;  // 0..7 steps counter-clockwise
    const bool ccw = net <= 3;
    const int count = ccw ? net : 8 - net;
    for (int i = 0; i < count; ++i) out.push_back({t.cursorX, t.cursorY, ccw});
  }
  return out;
}

std::vector<Turn> polishSolution(const PuzzleBoard& board, std::vector<Turn> turns,
                                 const PolishLimits& limits) {
  turns = simplifyTurns(turns);
  for (int pass = 0; pass < limits.passes; ++pass) {
    bool improved = false;
    const int step = std::max(1, limits.window / 2);
    for (size_t begin = 0; begin < turns.size(); begin += step) {
      const size_t end = std::min(turns.size(), begin + limits.window);
      const std::vector<Position> along = positionsAlong(board, turns);
      const Position& from = along[begin];
      const std::vector<Turn> run(turns.begin() + begin, turns.begin() + end);
      const int runLength = static_cast<int>(movesForTurns(run, from.cursorX, from.cursorY).size());
      const PuzzleBoard part(arrangementAsLevel(board.side(), from, along[end]));
      Solver solver(part);
      Position start = part.start();
      start.cursorX = from.cursorX;
      start.cursorY = from.cursorY;
      const SearchOutcome outcome = solver.search(start, {1.0, limits.nodeBudget, runLength});
      if (!outcome.turns) continue;
      std::vector<Turn> candidate(turns.begin(), turns.begin() + begin);
      candidate.insert(candidate.end(), outcome.turns->begin(), outcome.turns->end());
      candidate.insert(candidate.end(), turns.begin() + end, turns.end());
      candidate = simplifyTurns(candidate);
      if (solutionLength(board, candidate) < solutionLength(board, turns)) {
        turns = std::move(candidate);
        improved = true;
      }
    }
    if (!improved) break;
  }
  return turns;
}

}  // namespace bt::levels
