#include "game/Solver.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <deque>
#include <limits>

namespace bt::puzzle {

namespace {

constexpr int kMaxDistance = 40;
constexpr uint8_t kFar = 0xFF;
// The transposition table has about one entry per node of the budget, from
// 2^10 up to 2^21 entries of 16 bytes (32 MB), so small searches stay cheap.
constexpr int kFewestTableBits = 10;
constexpr int kMostTableBits = 21;
// In a shortest solution a ring turns at most three times in a row
// counter-clockwise (five would be three clockwise) and at most four times
// clockwise (four either way are the same).
constexpr int kLongestRun[2] = {4, 3};  // clockwise, counter-clockwise

// Cursor moves needed on one axis to visit both a coordinate >= a and one
// <= b, starting from c.
// A fixed sequence of well-mixed 64-bit numbers, for the position keys.
uint64_t splitMix(uint64_t& state) {
  uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

int axisTravel(int c, int a, int b) {
  if (a <= b) return c < a ? a - c : (c > b ? c - b : 0);
  return (a - b) + std::min(std::abs(c - a), std::abs(c - b));
}

}  // namespace

std::string movesForTurns(const std::vector<Turn>& turns, int startX, int startY) {
  std::string moves;
  int x = startX, y = startY;
  for (const Turn& t : turns) {
    for (; x < t.cursorX; ++x) moves += kRight;
    for (; x > t.cursorX; --x) moves += kLeft;
    for (; y < t.cursorY; ++y) moves += kDown;
    for (; y > t.cursorY; --y) moves += kUp;
    moves += t.counterClockwise ? kTurnLeft : kTurnRight;
  }
  return moves;
}

// Running totals over the misplaced markers (those not on a tile of their
// colour), kept up to date turn by turn so the bound costs little.
struct Solver::Bounds {
  int misplaced = 0;
  int distanceSum = 0;
  std::array<int, kMaxDistance + 1> distances{};
  std::array<std::array<int, kMaxSide + 1>, 4> cover{};  // counts by loX, hiX, loY, hiY
};

Solver::Solver(const PuzzleBoard& board, bool buildTables)
    : board_(board), patterns_(board, board.start(), buildTables) {
  uint64_t seed = 0x706172;
  for (auto& keys : cellKeys_) {
    for (uint64_t& k : keys) k = splitMix(seed);
  }
  for (uint64_t& k : cursorKeys_) k = splitMix(seed);
  const int n = board.side();
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      if (board.inPlay(x, y)) playCells_.push_back(cellIndex(x, y));
    }
  }
  ringCells_.resize(kCells);
  std::array<std::vector<int>, kCells> neighbours;
  for (auto& c : cover_) c = {kMaxSide, 0, kMaxSide, 0};
  for (int cy = board.minCursorY(); cy <= board.maxCursorY(); ++cy) {
    for (int cx = board.minCursorX(); cx <= board.maxCursorX(); ++cx) {
      const int cursor = cellIndex(cx, cy);
      cursors_.push_back(cursor);
      for (int k = 0; k < 8; ++k) {
        const int cell = cellIndex(cx + kRingOffsets[k].dx, cy + kRingOffsets[k].dy);
        ringCells_[cursor][k] = cell;
        auto& c = cover_[cell];
        c = {static_cast<uint8_t>(std::min<int>(c[0], cx)),
             static_cast<uint8_t>(std::max<int>(c[1], cx)),
             static_cast<uint8_t>(std::min<int>(c[2], cy)),
             static_cast<uint8_t>(std::max<int>(c[3], cy))};
      }
      for (int k = 0; k < 8; ++k) {
        neighbours[ringCells_[cursor][k]].push_back(ringCells_[cursor][(k + 1) % 8]);
        neighbours[ringCells_[cursor][(k + 1) % 8]].push_back(ringCells_[cursor][k]);
      }
    }
  }
  // Turns a lone marker needs to reach a tile of each colour.
  for (int colour = 0; colour < kColours; ++colour) {
    auto& distance = distance_[colour];
    distance.fill(kFar);
    std::deque<int> queue;
    for (int cell : playCells_) {
      if (board.tile(cell) == colour) {
        distance[cell] = 0;
        queue.push_back(cell);
      }
    }
    while (!queue.empty()) {
      const int cell = queue.front();
      queue.pop_front();
      for (int next : neighbours[cell]) {
        if (distance[next] != kFar) continue;
        distance[next] = static_cast<uint8_t>(std::min(distance[cell] + 1, kMaxDistance));
        queue.push_back(next);
      }
    }
  }
}

void Solver::addCell(Bounds& bounds, int cell, uint8_t marker, int sign) const {
  if (marker == kNone) return;
  const int d = distance_[marker][cell];
  if (d == 0) return;
  bounds.misplaced += sign;
  bounds.distanceSum += sign * d;
  bounds.distances[std::min(d, kMaxDistance)] += sign;
  for (int i = 0; i < 4; ++i) bounds.cover[i][cover_[cell][i]] += sign;
}

int Solver::estimate(const Bounds& bounds, const Position& position, bool strong) const {
  if (bounds.misplaced == 0) return 0;
  const int cursorX = position.cursorX, cursorY = position.cursorY;
  const PatternTables::PairBounds pairs =
      strong ? patterns_.bounds(position, patterns_.cursorNumber(cursorX, cursorY))
             : PatternTables::PairBounds{};
  int farthest = kMaxDistance;
  while (bounds.distances[farthest] == 0) --farthest;
  const int turns = std::max({farthest, (bounds.distanceSum + 7) / 8, pairs.turns});
  auto highest = [](const std::array<int, kMaxSide + 1>& counts) {
    int v = kMaxSide;
    while (counts[v] == 0) --v;
    return v;
  };
  auto lowest = [](const std::array<int, kMaxSide + 1>& counts) {
    int v = 0;
    while (counts[v] == 0) ++v;
    return v;
  };
  const int travel = axisTravel(cursorX, highest(bounds.cover[0]), lowest(bounds.cover[1])) +
                     axisTravel(cursorY, highest(bounds.cover[2]), lowest(bounds.cover[3]));
  return std::max(turns + travel, pairs.keys);
}

uint64_t Solver::key(const Position& position) const {
  uint64_t k = cursorKeys_[cellIndex(position.cursorX, position.cursorY)];
  for (int cell : playCells_) {
    if (position.markers[cell] != kNone) k ^= cellKeys_[position.markers[cell]][cell];
  }
  return k;
}

int Solver::lowerBound(const Position& position) const {
  Bounds bounds;
  for (int cell : playCells_) addCell(bounds, cell, position.markers[cell], 1);
  return estimate(bounds, position, true);
}

int Solver::plainBound(const Position& position) const {
  Bounds bounds;
  for (int cell : playCells_) addCell(bounds, cell, position.markers[cell], 1);
  return estimate(bounds, position, false);
}

void Solver::turn(Position& position, Bounds& bounds, int cursor, bool counterClockwise) const {
  const auto& cells = ringCells_[cursor];
  std::array<uint8_t, 8> lifted;
  for (int k = 0; k < 8; ++k) {
    lifted[k] = position.markers[cells[k]];
    addCell(bounds, cells[k], lifted[k], -1);
  }
  const int step = counterClockwise ? 1 : 7;
  for (int k = 0; k < 8; ++k) {
    const int to = cells[(k + step) % 8];
    position.markers[to] = lifted[k];
    addCell(bounds, to, lifted[k], 1);
  }
}

bool Solver::descend(Position& position, Bounds& bounds, int cost, int lastRun, bool lastCcw) {
  const int h = estimate(bounds, position, strong_);
  if (h == 0) return true;
  const size_t depth = path_.size();
  const double f = cost + weight_ * h;
  if (cost + h >= costBelow_ || f > bound_) {
    // Tables built since the pause can cut the way back down short: the
    // search goes on from here.
    if (depth < resume_.size()) resume_.clear();
    if (cost + h < costBelow_) nextBound_ = std::min(nextBound_, f);
    return false;
  }
  // A paused search comes straight back down the choices it had made, to
  // the turn it had not tried: the turns before them were searched already.
  const bool resuming = depth < resume_.size();
  const bool pendingHere = resuming && depth + 1 == resume_.size();
  const Choice from = resuming ? resume_[depth] : Choice{};
  if (pendingHere) resume_.clear();
  const int fromX = position.cursorX, fromY = position.cursorY;
  for (size_t i = from.cursor; i < cursors_.size(); ++i) {
    const int cursor = cursors_[i];
    const int x = cursor % kMaxSide, y = cursor / kMaxSide;
    const int travel = std::abs(x - fromX) + std::abs(y - fromY);
    const int next = cost + travel + 1;
    if (next >= costBelow_) continue;
    if (next > bound_) {
      nextBound_ = std::min<double>(nextBound_, next);
      continue;
    }
    const auto& cells = ringCells_[cursor];
    bool changes = false;
    for (int k = 0; k < 8 && !changes; ++k) {
      changes = position.markers[cells[k]] != position.markers[cells[(k + 1) % 8]];
    }
    if (!changes) continue;
    const bool same = travel == 0 && lastRun > 0;
    for (bool ccw : {true, false}) {
      const bool first = resuming && i == from.cursor;
      if (first && ccw && !from.counterClockwise) continue;  // searched before the pause
      if (same && ccw != lastCcw) continue;                  // undoes the last turn
      const int run = same ? lastRun + 1 : 1;
      if (run > kLongestRun[ccw]) continue;
      // The choices on the way back down were counted and looked up before.
      const bool replay = first && ccw == from.counterClockwise && !pendingHere;
      if (!replay) {
        if (nodes_ == budget_) {
          resume_ = choices_;
          resume_.push_back({i, ccw});
          outOfBudget_ = true;
          return false;
        }
        ++nodes_;
      }
      const Bounds saved = bounds;
      position.cursorX = x;
      position.cursorY = y;
      turn(position, bounds, cursor, ccw);
      if (replay || !strong_ || !seen_->reachedBefore(key(position), next)) {
        path_.push_back({x, y, ccw});
        choices_.push_back({i, ccw});
        if (descend(position, bounds, next, run, ccw)) return true;
        path_.pop_back();
        choices_.pop_back();
      }
      turn(position, bounds, cursor, !ccw);
      bounds = saved;
      position.cursorX = fromX;
      position.cursorY = fromY;
      if (outOfBudget_) return false;
    }
  }
  return false;
}

SearchOutcome Solver::search(const Position& start, const SearchLimits& limits) {
  beginSearch(start, limits);
  return continueSearch(limits.nodeBudget);
}

void Solver::beginSearch(const Position& start, const SearchLimits& limits) {
  start_ = start;
  weight_ = limits.weight;
  strong_ = limits.strong;
  costBelow_ = limits.costBelow;
  nodes_ = 0;
  budget_ = 0;
  outOfBudget_ = false;
  finished_ = false;
  found_.reset();
  path_.clear();
  choices_.clear();
  resume_.clear();
  if (strong_) {
    if (limits.tripleTables) patterns_.buildTripleTables();
    const int bits = std::clamp(static_cast<int>(std::bit_width(limits.nodeBudget)),
                                kFewestTableBits, kMostTableBits);
    if (!seen_ || seen_->bits() < bits) seen_ = std::make_unique<TranspositionTable>(bits);
  }
  Bounds bounds;
  for (int cell : playCells_) addCell(bounds, cell, start.markers[cell], 1);
  bound_ = weight_ * estimate(bounds, start, strong_);
}

SearchOutcome Solver::continueSearch(uint64_t nodes) {
  if (finished_) return outcome();
  budget_ = nodes_ + nodes;
  outOfBudget_ = false;
  for (;;) {
    // A round starts afresh unless it goes on from a pause.
    if (resume_.empty()) {
      nextBound_ = std::numeric_limits<double>::infinity();
      if (strong_) seen_->nextRound();
    }
    Position position = start_;
    Bounds bounds;
    for (int cell : playCells_) addCell(bounds, cell, position.markers[cell], 1);
    if (descend(position, bounds, 0, 0, false)) {
      found_ = path_;
      finished_ = true;
      break;
    }
    if (outOfBudget_) break;
    if (nextBound_ == std::numeric_limits<double>::infinity()) {
      finished_ = true;
      break;
    }
    bound_ = nextBound_;
  }
  return outcome();
}

SearchOutcome Solver::outcome() const {
  SearchOutcome outcome;
  outcome.turns = found_;
  outcome.complete = finished_;
  outcome.nodes = nodes_ + (finished_ ? 0 : 1);
  if (found_) {
    outcome.provenAtLeast =
        static_cast<int>(movesForTurns(*found_, start_.cursorX, start_.cursorY).size());
  } else if (finished_) {
    outcome.provenAtLeast = costBelow_;
  } else {
    // Every bound below the one being searched was searched to its end.
    outcome.provenAtLeast = std::min(costBelow_, static_cast<int>(std::ceil(bound_ - 1e-9)));
  }
  return outcome;
}

}  // namespace bt::puzzle
