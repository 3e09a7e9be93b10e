#include "game/PatternTables.h"

#include <algorithm>

namespace bt::puzzle {

namespace {

constexpr uint8_t kUnknown = 0xFF;

// Breadth-first search over states 0..count-1 from every goal state, moves
// given by `forEachNext(state, visit)`; every move is undone by another, so
// the distance from a goal is the distance to one.
template <typename IsGoal, typename ForEachNext>
std::vector<uint8_t> distancesToGoal(size_t count, IsGoal isGoal, ForEachNext forEachNext) {
  std::vector<uint8_t> distance(count, kUnknown);
  std::vector<uint32_t> queue;
  queue.reserve(count);
  for (size_t state = 0; state < count; ++state) {
    if (isGoal(state)) {
      distance[state] = 0;
      queue.push_back(static_cast<uint32_t>(state));
    }
  }
  for (size_t head = 0; head < queue.size(); ++head) {
    const uint32_t state = queue[head];
    const uint8_t next = static_cast<uint8_t>(std::min(distance[state] + 1, kUnknown - 1));
    forEachNext(state, [&](uint32_t to) {
      if (distance[to] != kUnknown) return;
      distance[to] = next;
      queue.push_back(to);
    });
  }
  return distance;
}

}  // namespace

PatternTables::PatternTables(const PuzzleBoard& board, const Position& start) : board_(board) {
  placeOfCell_.fill(-1);
  for (int y = 0; y < board.side(); ++y) {
    for (int x = 0; x < board.side(); ++x) {
      if (!board.inPlay(x, y)) continue;
      placeOfCell_[cellIndex(x, y)] = places_++;
      cellOfPlace_.push_back(cellIndex(x, y));
    }
  }
  for (int y = board.minCursorY(); y <= board.maxCursorY(); ++y) {
    for (int x = board.minCursorX(); x <= board.maxCursorX(); ++x) cursorPlaces_.push_back({x, y});
  }
  cursors_ = static_cast<int>(cursorPlaces_.size());
  for (const auto& [x, y] : cursorPlaces_) {
    std::array<int, 4> next{};
    const std::array<std::array<int, 2>, 4> steps = {{{0, -1}, {0, 1}, {-1, 0}, {1, 0}}};
    for (int k = 0; k < 4; ++k) {
      const int nx = x + steps[k][0], ny = y + steps[k][1];
      const bool inside = nx >= board.minCursorX() && nx <= board.maxCursorX() &&
                          ny >= board.minCursorY() && ny <= board.maxCursorY();
      next[k] = inside ? cursorNumber(nx, ny) : -1;
    }
    cursorNeighbours_.push_back(next);
    std::array<std::vector<uint8_t>, 2> turned;
    for (int ccw = 0; ccw < 2; ++ccw) {
      turned[ccw].resize(places_);
      for (int p = 0; p < places_; ++p) turned[ccw][p] = static_cast<uint8_t>(p);
      const int step = ccw ? 1 : 7;
      for (int k = 0; k < 8; ++k) {
        const int from = cellIndex(x + kRingOffsets[k][0], y + kRingOffsets[k][1]);
        const int to =
            cellIndex(x + kRingOffsets[(k + step) % 8][0], y + kRingOffsets[(k + step) % 8][1]);
        turned[ccw][placeOfCell_[from]] = static_cast<uint8_t>(placeOfCell_[to]);
      }
    }
    turned_.push_back(std::move(turned));
  }
  std::array<int, kColours> count{};
  for (int cell = 0; cell < kCells; ++cell) {
    if (start.markers[cell] != kNone) ++count[start.markers[cell]];
  }
  for (uint8_t a = 0; a < kColours; ++a) {
    for (uint8_t b = a; b < kColours; ++b) {
      if (count[a] > 0 && count[b] > (a == b ? 1 : 0)) build(tables_[a][b], a, b);
    }
  }
}

int PatternTables::cursorNumber(int cursorX, int cursorY) const {
  const int width = board_.maxCursorX() - board_.minCursorX() + 1;
  return (cursorY - board_.minCursorY()) * width + (cursorX - board_.minCursorX());
}

void PatternTables::build(Table& table, uint8_t colourA, uint8_t colourB) const {
  const size_t pairs = static_cast<size_t>(places_) * places_;
  auto home = [&](size_t pair) {
    const int a = static_cast<int>(pair / places_), b = static_cast<int>(pair % places_);
    return a != b && board_.tile(cellOfPlace_[a]) == colourA &&
           board_.tile(cellOfPlace_[b]) == colourB;
  };
  table.turns = distancesToGoal(pairs, home, [&](uint32_t pair, auto visit) {
    const int a = static_cast<int>(pair / places_), b = static_cast<int>(pair % places_);
    if (a == b) return;
    for (const auto& turned : turned_) {
      for (const auto& to : turned) {
        const int na = to[a], nb = to[b];
        if (na != a || nb != b) visit(static_cast<uint32_t>(na * places_ + nb));
      }
    }
  });
  table.keys = distancesToGoal(
      pairs * cursors_, [&](size_t state) { return home(state / cursors_); },
      [&](uint32_t state, auto visit) {
        const uint32_t pair = state / cursors_;
        const int cursor = static_cast<int>(state % cursors_);
        const int a = static_cast<int>(pair / places_), b = static_cast<int>(pair % places_);
        if (a == b) return;
        for (int next : cursorNeighbours_[cursor]) {
          if (next >= 0) visit(pair * cursors_ + next);
        }
        for (const auto& to : turned_[cursor]) {
          const int na = to[a], nb = to[b];
          if (na != a || nb != b) visit((na * places_ + nb) * cursors_ + cursor);
        }
      });
}

const PatternTables::Table* PatternTables::tableFor(uint8_t colourA, uint8_t colourB) const {
  const Table& table = tables_[colourA][colourB];
  return table.turns.empty() ? nullptr : &table;
}

int PatternTables::collect(const Position& position, std::array<Marker, kCells>& markers) const {
  int count = 0;
  for (int place = 0; place < places_; ++place) {
    const uint8_t colour = position.markers[cellOfPlace_[place]];
    if (colour != kNone) markers[count++] = {place, colour};
  }
  return count;
}

PatternTables::PairBounds PatternTables::bounds(const Position& position, int cursor) const {
  std::array<Marker, kCells> markers;
  const int count = collect(position, markers);
  PairBounds best;
  for (int i = 0; i < count; ++i) {
    const Marker m = markers[i];
    if (board_.tile(cellOfPlace_[m.place]) == m.colour) continue;
    for (int j = 0; j < count; ++j) {
      if (j == i) continue;
      // Each table holds its pair with the lower colour first.
      Marker first = m, second = markers[j];
      if (first.colour > second.colour) std::swap(first, second);
      const Table* table = tableFor(first.colour, second.colour);
      if (table == nullptr) continue;
      const size_t pair = static_cast<size_t>(first.place) * places_ + second.place;
      best.turns = std::max<int>(best.turns, table->turns[pair]);
      best.keys = std::max<int>(best.keys, table->keys[pair * cursors_ + cursor]);
    }
  }
  return best;
}

}  // namespace bt::puzzle
