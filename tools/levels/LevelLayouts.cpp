#include "levels/LevelLayouts.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

#include "game/LevelData.h"
#include "levels/LevelCriteria.h"

namespace bt::levels {

namespace {

// Colour notes of the plan: level 6 is nine markers of colour 1 alone, the
// last level twenty-five of colour 3.
constexpr int kOnlyColourOfLevel6 = 1;
constexpr int kOnlyColourOfTheLastLevel = 3;
constexpr int kCrowded = 9;  // pairs

int colourCountFor(int number, int pairs, Random& random) {
  if (onlyColourOf(number)) return 1;
  int count;
  if (isBreather(number)) {
    // One or two colours make a breather easy to read, but with many pairs
    // every marker off its tile then takes long to bring home: three or four.
    count = (pairs >= kCrowded ? 3 : 1) + pick(random, 2);
  } else if (number < 20) {
    count = 2 + pick(random, 3);
  } else {
    static constexpr int kLater[] = {2, 3, 3, 4, 4, 4};
    count = kLater[pick(random, 6)];
  }
  return std::min(count, pairs);
}

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

bool turnChanges(const Position& position, int cursorX, int cursorY) {
  uint8_t first = position.markers[cellIndex(cursorX, cursorY)];
  for (const auto& offset : kRingOffsets) {
    if (position.markers[cellIndex(cursorX + offset.dx, cursorY + offset.dy)] != first) return true;
  }
  return false;
}

}  // namespace

int pick(Random& random, int count) {
  return static_cast<int>(std::uniform_int_distribution<int>(0, count - 1)(random));
}

int onlyColourOf(int number) {
  if (number == 6) return kOnlyColourOfLevel6;
  return number == kLevelCount ? kOnlyColourOfTheLastLevel : 0;
}

std::vector<int> tileColours(int number, int pairs, Random& random) {
  if (onlyColourOf(number)) return std::vector<int>(pairs, onlyColourOf(number));
  std::vector<int> palette = {1, 2, 3, 4};
  std::shuffle(palette.begin(), palette.end(), random);
  palette.resize(colourCountFor(number, pairs, random));
  std::vector<int> colours;
  for (int i = 0; i < pairs; ++i) colours.push_back(palette[i * palette.size() / pairs]);
  return colours;
}

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

std::vector<Turn> scramble(const PuzzleBoard& board, const Solver& goal, Position& position,
                           int count, int home, Random& random) {
  std::vector<Turn> turns;
  const int homeX = position.cursorX, homeY = position.cursorY;
  auto markersHome = [&](const Position& p) {
    int markers = 0;
    for (int cell = 0; cell < kCells; ++cell) {
      markers += p.markers[cell] != kNone && goal.markerDistance(cell, p.markers[cell]) == 0;
    }
    return markers;
  };
  // Fewer markers on their own tiles first, then farther from them within
  // `count` turns, nearer past them.
  int sign = 1;
  auto distanceOf = [&](Position p) {
    p.cursorX = homeX;
    p.cursorY = homeY;
    return sign * goal.plainBound(p) - 64 * markersHome(p);
  };
  int x = homeX, y = homeY;
  for (int i = 0; i < kMostScrambleTurns && (i < count || markersHome(position) > home); ++i) {
    sign = i < count ? 1 : -1;
    std::vector<Turn> choices;
    int bestScore = std::numeric_limits<int>::min();
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

Level layoutLevel(int side, const std::vector<Cell>& cells, const std::vector<int>& colours,
                  const Position& scrambled) {
  Level level;
  level.side = side;
  for (size_t i = 0; i < cells.size(); ++i) {
    level.tiles.push_back({cells[i].first + 1, cells[i].second + 1, colours[i]});
  }
  return withMarkers(level, scrambled);
}

}  // namespace bt::levels
