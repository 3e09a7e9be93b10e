#include "game/PuzzleScramble.h"

#include <array>
#include <cstdlib>
#include <utility>

#include "game/Solver.h"

namespace bt::puzzle {
namespace {

std::vector<int> playCells(const PuzzleBoard& board) {
  std::vector<int> cells;
  for (int y = 0; y < board.side(); ++y) {
    for (int x = 0; x < board.side(); ++x) {
      if (board.inPlay(x, y)) cells.push_back(cellIndex(x, y));
    }
  }
  return cells;
}

// The cursors whose ring holds a marker, or where `homeOnly` a marker on
// a tile of its colour.
std::vector<std::array<int, 2>> ringsWithMarkers(const PuzzleBoard& board, const Position& position,
                                                 bool homeOnly) {
  std::vector<std::array<int, 2>> rings;
  int most = 0;
  for (int y = board.minCursorY(); y <= board.maxCursorY(); ++y) {
    for (int x = board.minCursorX(); x <= board.maxCursorX(); ++x) {
      int holds = 0;
      for (const auto& [dx, dy] : kRingOffsets) {
        const int cell = cellIndex(x + dx, y + dy);
        const uint8_t marker = position.markers[cell];
        holds += (marker != kNone && (!homeOnly || marker == board.tile(cell))) ? 1 : 0;
      }
      if (holds == 0 || holds < most) continue;
      if (homeOnly && holds > most) {
        rings.clear();
        most = holds;
      }
      rings.push_back({x, y});
    }
  }
  return rings;
}

}  // namespace

Scramble scramble(const PuzzleBoard& board, int turns, SeededRandom& random) {
  Position position = board.start();
  for (int cell = 0; cell < kCells; ++cell) position.markers[cell] = board.tile(cell);
  std::vector<Turn> back;
  const Turn none{-1, -1, false};
  Turn last = none;
  // Every turn moves a marker, one on its tile while any is; past `turns`,
  // turns go on while a marker stands on its tile, up to two a marker.
  int markers = 0;
  for (uint8_t marker : position.markers) markers += marker != kNone ? 1 : 0;
  for (int i = 0; i < turns + 2 * markers; ++i) {
    const bool anyHome = anyMarkerHome(board, position);
    if (i >= turns && !anyHome) break;
    auto rings = ringsWithMarkers(board, position, anyHome);
    if (rings.empty()) break;
    // Near the turn before where one can be: less travel, more tangle.
    if (last.cursorX >= 0) {
      std::vector<std::array<int, 2>> near;
      for (const auto& ring : rings) {
        if (std::abs(ring[0] - last.cursorX) + std::abs(ring[1] - last.cursorY) <= 2)
          near.push_back(ring);
      }
      if (!near.empty()) rings = std::move(near);
    }
    const auto [x, y] = rings[static_cast<size_t>(random.below(static_cast<int>(rings.size())))];
    bool ccw = random.below(2) == 1;
    // Never the turn that undoes the one before.
    if (x == last.cursorX && y == last.cursorY) ccw = last.counterClockwise;
    position.cursorX = x;
    position.cursorY = y;
    rotateRing(position, ccw);
    back.insert(back.begin(), Turn{x, y, !ccw});
    last = {x, y, ccw};
  }
  position.cursorX = board.start().cursorX;
  position.cursorY = board.start().cursorY;
  return {position, movesForTurns(back, position.cursorX, position.cursorY)};
}

Level tileLayout(const PuzzleSpec& spec, SeededRandom& random) {
  Level level{spec.side, {}, {}};
  const PuzzleBoard board(level);
  std::vector<int> cells = playCells(board);
  std::vector<int> near;  // free cells within two of a tile on each axis
  for (int i = 0; i < spec.pairs; ++i) {
    const std::vector<int>& from = near.empty() ? cells : near;
    const int cell = from[static_cast<size_t>(random.below(static_cast<int>(from.size())))];
    level.tiles.push_back({cell % kMaxSide + 1, cell / kMaxSide + 1, i % spec.colours + 1});
    std::erase(cells, cell);
    near.clear();
    for (int free : cells) {
      for (const Piece& tile : level.tiles) {
        if (std::abs(free % kMaxSide - (tile.column - 1)) <= 2 &&
            std::abs(free / kMaxSide - (tile.row - 1)) <= 2) {
          near.push_back(free);
          break;
        }
      }
    }
  }
  return level;
}

Level solvedLevel(const Level& layout) {
  Level level = layout;
  level.markers = layout.tiles;
  return level;
}

bool anyMarkerHome(const PuzzleBoard& board, const Position& position) {
  for (int cell = 0; cell < kCells; ++cell) {
    if (position.markers[cell] != kNone && position.markers[cell] == board.tile(cell)) return true;
  }
  return false;
}

Level withMarkers(Level level, const Position& position) {
  level.markers.clear();
  for (int cell = 0; cell < kCells; ++cell) {
    const uint8_t marker = position.markers[cell];
    if (marker != kNone)
      level.markers.push_back({cell % kMaxSide + 1, cell / kMaxSide + 1, marker + 1});
  }
  return level;
}

}  // namespace bt::puzzle
