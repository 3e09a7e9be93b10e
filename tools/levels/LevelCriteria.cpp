#include "levels/LevelCriteria.h"

#include <algorithm>
#include <array>
#include <deque>
#include <map>

#include "game/LevelData.h"

namespace bt::levels {

namespace {

constexpr int kFirstTarget = 14;
constexpr int kUnreachable = 1 << 20;

}  // namespace

int forcedHome(const Level& level) {
  // A colour's markers fit off its own tiles unless they outnumber the
  // cells that are not its tiles; several colours can always share.
  const PuzzleBoard board(level);
  int cells = 0;
  for (int y = 0; y < level.side; ++y) {
    for (int x = 0; x < level.side; ++x) cells += board.inPlay(x, y) ? 1 : 0;
  }
  std::array<int, 5> markers{}, tiles{};
  for (const Piece& p : level.markers) ++markers[p.colour];
  for (const Piece& p : level.tiles) ++tiles[p.colour];
  int forced = 0;
  for (int colour = 1; colour <= 4; ++colour) {
    forced = std::max(forced, markers[colour] - (cells - tiles[colour]));
  }
  return forced;
}

int loneMarkerKeys(const PuzzleBoard& board, int cell, uint8_t colour) {
  // Breadth-first over (cursor, marker cell); every key costs one.
  const auto state = [](int cursorX, int cursorY, int at) {
    return (cursorY * kMaxSide + cursorX) * kCells + at;
  };
  std::vector<int> keys(kCells * kCells, -1);
  std::deque<int> queue;
  const Position& start = board.start();
  keys[state(start.cursorX, start.cursorY, cell)] = 0;
  queue.push_back(state(start.cursorX, start.cursorY, cell));
  while (!queue.empty()) {
    const int s = queue.front();
    queue.pop_front();
    const int at = s % kCells, cursor = s / kCells;
    const int x = cursor % kMaxSide, y = cursor / kMaxSide;
    if (board.tile(at) == colour) return keys[s];
    std::vector<int> next;
    if (y > board.minCursorY()) next.push_back(state(x, y - 1, at));
    if (y < board.maxCursorY()) next.push_back(state(x, y + 1, at));
    if (x > board.minCursorX()) next.push_back(state(x - 1, y, at));
    if (x < board.maxCursorX()) next.push_back(state(x + 1, y, at));
    for (size_t k = 0; k < kRingSize; ++k) {
      if (cellIndex(x + kRingOffsets[k].dx, y + kRingOffsets[k].dy) != at) continue;
      for (bool counterClockwise : {true, false}) {
        const RingOffset& to = kRingOffsets[nextRingPosition(k, counterClockwise)];
        next.push_back(state(x, y, cellIndex(x + to.dx, y + to.dy)));
      }
    }
    for (int n : next) {
      if (keys[n] >= 0) continue;
      keys[n] = keys[s] + 1;
      queue.push_back(n);
    }
  }
  return kUnreachable;
}

int markersHome(const Level& level) {
  int home = 0;
  for (const Piece& marker : level.markers) {
    for (const Piece& tile : level.tiles) {
      home +=
          tile.column == marker.column && tile.row == marker.row && tile.colour == marker.colour;
    }
  }
  return home;
}

LevelFigures measureLevel(const Level& level, int par, bool withPairBound) {
  LevelFigures f;
  f.par = par;
  const PuzzleBoard board(level);
  for (const Piece& p : level.markers) {
    const int cell = cellIndex(p.column - 1, p.row - 1);
    f.loneMost =
        std::max(f.loneMost, loneMarkerKeys(board, cell, static_cast<uint8_t>(p.colour - 1)));
  }
  f.home = markersHome(level);
  f.forcedHome = forcedHome(level);
  // The plain bound depends on the tiles alone; a board without markers
  // builds no pattern tables.
  const PuzzleBoard tiles(Level{level.side, {}, level.tiles});
  f.plainBound = Solver(tiles).plainBound(board.start());
  if (withPairBound) f.pairBound = Solver(board).lowerBound(board.start());
  f.soloBound = std::max(f.loneMost, f.plainBound);
  return f;
}

int wantedMargin(int par) {
  return std::max(2, (par + 9) / 10);
}

int chapterOf(int number) {
  return (number - 1) / 6 + 1;
}

bool isBreather(int number) {
  return number % 6 == 0 && number != kLevelCount;
}

int chapterTarget(int chapter) {
  return kFirstTarget - 1 + chapter;
}

bool breatherEasyEnough(int breatherPar, int chapterMedian) {
  return breatherPar <= easiestBreather(chapterMedian);
}

int easiestBreather(int chapterMedian) {
  return chapterMedian - std::max(3, (chapterMedian + 4) / 5);
}

std::string canonicalShape(const Level& level) {
  const int n = level.side;
  std::map<std::pair<int, int>, std::pair<int, int>> cells;  // (x, y) -> marker, tile
  for (const Piece& p : level.markers) cells[{p.column - 1, p.row - 1}].first = p.colour;
  for (const Piece& p : level.tiles) cells[{p.column - 1, p.row - 1}].second = p.colour;
  std::string best;
  for (int symmetry = 0; symmetry < 8; ++symmetry) {
    std::array<std::array<std::pair<int, int>, kMaxSide>, kMaxSide> grid{};
    for (const auto& [at, pieces] : cells) {
      int x = at.first, y = at.second;
      if (symmetry & 1) x = n - 1 - x;
      if (symmetry & 2) y = n - 1 - y;
      if (symmetry & 4) std::swap(x, y);
      grid[y][x] = pieces;
    }
    // Colours renamed in the order they first appear.
    std::array<char, 5> name{'.', 0, 0, 0, 0};
    char nextName = 'a';
    const auto rename = [&](int colour) {
      if (name[colour] == 0) name[colour] = nextName++;
      return name[colour];
    };
    std::string text = std::to_string(n) + ':';
    for (int y = 0; y < n; ++y) {
      for (int x = 0; x < n; ++x) {
        text += rename(grid[y][x].second);
        text += rename(grid[y][x].first);
      }
    }
    if (best.empty() || text < best) best = text;
  }
  return best;
}

}  // namespace bt::levels
