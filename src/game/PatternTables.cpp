#include "game/PatternTables.h"

#include <algorithm>

namespace bt::puzzle {

namespace {

constexpr uint8_t kUnknown = 0xFF;
constexpr size_t kMostTripleStates = size_t{1} << 21;
constexpr int kMostMarkersForTriples = 12;

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

PatternTables::PatternTables(const PuzzleBoard& board, const Position& start, bool buildNow)
    : board_(board) {
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
      for (size_t k = 0; k < kRingSize; ++k) {
        const RingOffset& next = kRingOffsets[nextRingPosition(k, ccw != 0)];
        const int from = cellIndex(x + kRingOffsets[k].dx, y + kRingOffsets[k].dy);
        const int to = cellIndex(x + next.dx, y + next.dy);
        turned[ccw][placeOfCell_[from]] = static_cast<uint8_t>(placeOfCell_[to]);
      }
    }
    turned_.push_back(std::move(turned));
  }
  std::array<int, kColours> count{};
  for (int cell = 0; cell < kCells; ++cell) {
    if (start.markers[cell] != kNone) ++count[start.markers[cell]];
  }
  for (int a = kColours - 1; a >= 0; --a) {
    for (int b = kColours - 1; b >= a; --b) {
      if (count[a] > 0 && count[b] > (a == b ? 1 : 0))
        pairsToBuild_.push_back({static_cast<uint8_t>(a), static_cast<uint8_t>(b)});
    }
  }
  colourCounts_ = count;
  if (buildNow) {
    while (buildNextPairTable()) {
    }
  }
}

bool PatternTables::buildNextPairTable() {
  if (pairsToBuild_.empty()) return false;
  const auto [a, b] = pairsToBuild_.back();
  pairsToBuild_.pop_back();
  build(tables_[a][b], a, b);
  return true;
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

void PatternTables::buildTripleTables() {
  if (triplesTried_) return;
  triplesTried_ = true;
  const std::array<int, kColours>& count = colourCounts_;
  int markers = 0;
  for (int c : count) markers += c;
  const size_t tripleStates = static_cast<size_t>(places_) * places_ * places_ * cursors_;
  if (tripleStates > kMostTripleStates || markers > kMostMarkersForTriples) return;
  triples_.resize(kColours * kColours * kColours);
  for (uint8_t a = 0; a < kColours; ++a) {
    for (uint8_t b = a; b < kColours; ++b) {
      for (uint8_t c = b; c < kColours; ++c) {
        std::array<int, kColours> need{};
        ++need[a], ++need[b], ++need[c];
        bool present = true;
        for (int k = 0; k < kColours; ++k) present = present && need[k] <= count[k];
        if (present) buildTriple(triples_[(a * kColours + b) * kColours + c], {a, b, c});
      }
    }
  }
}

void PatternTables::buildTriple(Table& table, std::array<uint8_t, 3> colours) const {
  const size_t p = places_;
  const size_t triples = p * p * p;
  auto split = [&](size_t triple) {
    return std::array<int, 3>{static_cast<int>(triple / (p * p)), static_cast<int>(triple / p % p),
                              static_cast<int>(triple % p)};
  };
  auto distinct = [](const std::array<int, 3>& t) {
    return t[0] != t[1] && t[0] != t[2] && t[1] != t[2];
  };
  auto home = [&](size_t triple) {
    const std::array<int, 3> t = split(triple);
    if (!distinct(t)) return false;
    for (int k = 0; k < 3; ++k) {
      if (board_.tile(cellOfPlace_[t[k]]) != colours[k]) return false;
    }
    return true;
  };
  auto turnedTriple = [&](const std::vector<uint8_t>& to, const std::array<int, 3>& t) {
    return (to[t[0]] * p + to[t[1]]) * p + to[t[2]];
  };
  table.turns = distancesToGoal(triples, home, [&](uint32_t triple, auto visit) {
    const std::array<int, 3> t = split(triple);
    if (!distinct(t)) return;
    for (const auto& turned : turned_) {
      for (const auto& to : turned) {
        const size_t next = turnedTriple(to, t);
        if (next != triple) visit(static_cast<uint32_t>(next));
      }
    }
  });
  table.keys = distancesToGoal(
      triples * cursors_, [&](size_t state) { return home(state / cursors_); },
      [&](uint32_t state, auto visit) {
        const size_t triple = state / cursors_;
        const int cursor = static_cast<int>(state % cursors_);
        const std::array<int, 3> t = split(triple);
        if (!distinct(t)) return;
        for (int next : cursorNeighbours_[cursor]) {
          if (next >= 0) visit(static_cast<uint32_t>(triple * cursors_ + next));
        }
        for (const auto& to : turned_[cursor]) {
          const size_t next = turnedTriple(to, t);
          if (next != triple) visit(static_cast<uint32_t>(next * cursors_ + cursor));
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

void PatternTables::tripleBounds(const std::array<Marker, kCells>& markers, int count, int cursor,
                                 PairBounds& best) const {
  const size_t p = places_;
  for (int i = 0; i < count; ++i) {
    const bool homeI = board_.tile(cellOfPlace_[markers[i].place]) == markers[i].colour;
    for (int j = i + 1; j < count; ++j) {
      const bool homeJ = board_.tile(cellOfPlace_[markers[j].place]) == markers[j].colour;
      for (int k = j + 1; k < count; ++k) {
        if (homeI && homeJ && board_.tile(cellOfPlace_[markers[k].place]) == markers[k].colour)
          continue;
        std::array<Marker, 3> t = {markers[i], markers[j], markers[k]};
        // Each table holds its triple in colour order.
        std::sort(t.begin(), t.end(),
                  [](const Marker& a, const Marker& b) { return a.colour < b.colour; });
        const Table& table =
            triples_[(t[0].colour * kColours + t[1].colour) * kColours + t[2].colour];
        if (table.turns.empty()) continue;
        const size_t triple = (t[0].place * p + t[1].place) * p + t[2].place;
        best.turns = std::max<int>(best.turns, table.turns[triple]);
        best.keys = std::max<int>(best.keys, table.keys[triple * cursors_ + cursor]);
      }
    }
  }
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
  if (!triples_.empty()) tripleBounds(markers, count, cursor, best);
  return best;
}

}  // namespace bt::puzzle
