#include "levels/FillingTurns.h"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace bt::levels {

namespace {

// Sequences kept from one turn to the next: wide enough to find several
// hundred sequences that fill side 7 within 20 keys, in a fraction of a
// second.
constexpr size_t kBeamWidth = 300;

int capacityOf(const PuzzleBoard& board, const CarriedCells& carried) {
  int capacity = 0;
  for (const std::vector<int>& cycle : cyclesOf(board, carried)) {
    capacity += static_cast<int>(cycle.size()) / 2;
  }
  return capacity;
}

// The sequence with one more turn at (x, y).
FillingTurns extended(const FillingTurns& from, const Position& at, int x, int y, bool ccw) {
  FillingTurns next = from;
  next.turns.push_back({x, y, ccw});
  next.moves += std::abs(x - at.cursorX) + std::abs(y - at.cursorY) + 1;
  CarriedCells step;
  for (int cell = 0; cell < kCells; ++cell) step[cell] = static_cast<uint8_t>(cell);
  for (size_t k = 0; k < kRingSize; ++k) {
    const auto& [dx, dy] = kRingOffsets[k];
    const auto& [tx, ty] = kRingOffsets[nextRingPosition(k, ccw)];
    step[cellIndex(x + dx, y + dy)] = static_cast<uint8_t>(cellIndex(x + tx, y + ty));
  }
  for (uint8_t& cell : next.carried) cell = step[cell];
  return next;
}

Position cursorAfter(const PuzzleBoard& board, const FillingTurns& sequence) {
  Position at = board.start();
  if (!sequence.turns.empty()) {
    at.cursorX = sequence.turns.back().cursorX;
    at.cursorY = sequence.turns.back().cursorY;
  }
  return at;
}

}  // namespace

std::vector<std::vector<int>> cyclesOf(const PuzzleBoard& board, const CarriedCells& carried) {
  std::vector<std::vector<int>> cycles;
  std::array<bool, kCells> seen{};
  for (int y = 0; y < board.side(); ++y) {
    for (int x = 0; x < board.side(); ++x) {
      if (!board.inPlay(x, y) || seen[cellIndex(x, y)]) continue;
      std::vector<int> cycle;
      for (int cell = cellIndex(x, y); !seen[cell]; cell = carried[cell]) {
        seen[cell] = true;
        cycle.push_back(cell);
      }
      if (cycle.size() > 1) cycles.push_back(std::move(cycle));
    }
  }
  return cycles;
}

std::vector<FillingTurns> fillingTurns(const PuzzleBoard& board, int freeCells, int mostMoves) {
  FillingTurns none;
  for (int cell = 0; cell < kCells; ++cell) none.carried[cell] = static_cast<uint8_t>(cell);
  std::vector<FillingTurns> beam = {none}, found;
  std::set<CarriedCells> seen = {none.carried};  // a permutation reached before
  while (!beam.empty()) {
    std::vector<FillingTurns> next;
    for (const FillingTurns& sequence : beam) {
      const Position at = cursorAfter(board, sequence);
      for (int y = board.minCursorY(); y <= board.maxCursorY(); ++y) {
        for (int x = board.minCursorX(); x <= board.maxCursorX(); ++x) {
          for (bool ccw : {true, false}) {
            FillingTurns longer = extended(sequence, at, x, y, ccw);
            if (longer.moves > mostMoves || !seen.insert(longer.carried).second) continue;
            longer.capacity = capacityOf(board, longer.carried);
            (longer.capacity >= freeCells ? found : next).push_back(std::move(longer));
          }
        }
      }
    }
    // Capacity per key: a cell for each two keys.
    std::stable_sort(next.begin(), next.end(), [](const FillingTurns& a, const FillingTurns& b) {
      return 2 * a.capacity - a.moves > 2 * b.capacity - b.moves;
    });
    if (next.size() > kBeamWidth) next.resize(kBeamWidth);
    beam = std::move(next);
  }
  return found;
}

}  // namespace bt::levels
