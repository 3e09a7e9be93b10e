#include "levels/DistanceTable.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace bt::levels {

namespace {

constexpr uint8_t kUnreached = 0xFF;
constexpr char kMoves[] = {'U', 'D', 'L', 'R', kTurnLeft, kTurnRight};

int cellsInPlay(int side) {
  return side * side - 4;
}

}  // namespace

bool DistanceTable::fits(int side, int markers) {
  uint64_t positions = static_cast<uint64_t>(side - 3) * (side - 3);
  for (int i = 0; i < markers; ++i) {
    positions *= cellsInPlay(side);
    if (positions > kMostPositions) return false;
  }
  return true;
}

DistanceTable::DistanceTable(const PuzzleBoard& tiles) : board_(tiles) {
  const int side = board_.side();
  rankOfCell_.assign(kCells, -1);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      if (!board_.inPlay(x, y)) continue;
      rankOfCell_[cellIndex(x, y)] = static_cast<int>(cellOfRank_.size());
      cellOfRank_.push_back(cellIndex(x, y));
    }
  }
  for (uint8_t colour = 0; colour < puzzle::kColours; ++colour) {
    for (int cell : cellOfRank_) {
      if (board_.tile(cell) == colour) colours_.push_back(colour);
    }
    groupEnds_.push_back(static_cast<int>(colours_.size()));
  }
  cursorsX_ = board_.maxCursorX() - board_.minCursorX() + 1;
  cursorsY_ = board_.maxCursorY() - board_.minCursorY() + 1;
  if (!fits(side, static_cast<int>(colours_.size()))) {
    throw std::invalid_argument("board too large to search whole");
  }
  // Where each turn carries each cell: found by turning a ring of numbered
  // cells with the rules' own rotation.
  ringStep_.resize(cursorsX_ * cursorsY_);
  for (int cursor = 0; cursor < cursorsX_ * cursorsY_; ++cursor) {
    for (int direction = 0; direction < 2; ++direction) {
      Position numbered;
      numbered.markers.fill(kNone);
      for (size_t rank = 0; rank < cellOfRank_.size(); ++rank) {
        numbered.markers[cellOfRank_[rank]] = static_cast<uint8_t>(rank);
      }
      numbered.cursorX = board_.minCursorX() + cursor % cursorsX_;
      numbered.cursorY = board_.minCursorY() + cursor / cursorsX_;
      rotateRing(numbered, direction == 0);
      std::vector<int>& step = ringStep_[cursor][direction];
      step.assign(cellOfRank_.size(), 0);
      for (size_t rank = 0; rank < cellOfRank_.size(); ++rank) {
        step[numbered.markers[cellOfRank_[rank]]] = static_cast<int>(rank);
      }
    }
  }
  search();
}

uint32_t DistanceTable::encode(Cells cells) const {
  int begin = 0;
  for (int end : groupEnds_) {
    std::sort(cells.ranks.begin() + begin, cells.ranks.begin() + end);
    begin = end;
  }
  uint64_t index = static_cast<uint64_t>(cells.cursor);
  for (int rank : cells.ranks) index = index * cellOfRank_.size() + rank;
  return static_cast<uint32_t>(index);
}

DistanceTable::Cells DistanceTable::decode(uint32_t index) const {
  Cells cells;
  cells.ranks.resize(colours_.size());
  for (size_t i = colours_.size(); i-- > 0;) {
    cells.ranks[i] = static_cast<int>(index % cellOfRank_.size());
    index /= static_cast<uint32_t>(cellOfRank_.size());
  }
  cells.cursor = static_cast<int>(index);
  return cells;
}

DistanceTable::Cells DistanceTable::cellsOf(const Position& position) const {
  Cells cells;
  cells.cursor = (position.cursorY - board_.minCursorY()) * cursorsX_ +
                 (position.cursorX - board_.minCursorX());
  for (uint8_t colour = 0; colour < puzzle::kColours; ++colour) {
    for (int cell : cellOfRank_) {
      if (position.markers[cell] == colour) cells.ranks.push_back(rankOfCell_[cell]);
    }
  }
  if (cells.ranks.size() != colours_.size()) {
    throw std::invalid_argument("position's markers do not match the tiles");
  }
  return cells;
}

Position DistanceTable::positionOf(const Cells& cells) const {
  Position position;
  position.markers.fill(kNone);
  for (size_t i = 0; i < colours_.size(); ++i) {
    position.markers[cellOfRank_[cells.ranks[i]]] = colours_[i];
  }
  position.cursorX = board_.minCursorX() + cells.cursor % cursorsX_;
  position.cursorY = board_.minCursorY() + cells.cursor / cursorsX_;
  return position;
}

bool DistanceTable::anyHome(const Cells& cells) const {
  for (size_t i = 0; i < colours_.size(); ++i) {
    if (board_.tile(cellOfRank_[cells.ranks[i]]) == colours_[i]) return true;
  }
  return false;
}

std::optional<uint32_t> DistanceTable::step(const Cells& from, uint32_t fromIndex,
                                            char letter) const {
  int x = from.cursor % cursorsX_, y = from.cursor / cursorsX_;
  Cells to = from;
  switch (letter) {
    case 'U':
      --y;
      break;
    case 'D':
      ++y;
      break;
    case 'L':
      --x;
      break;
    case 'R':
      ++x;
      break;
    default: {
      const std::vector<int>& carry = ringStep_[from.cursor][letter == kTurnLeft ? 0 : 1];
      for (int& rank : to.ranks) rank = carry[rank];
      const uint32_t index = encode(to);
      if (index == fromIndex) return std::nullopt;  // the ring looks the same turned
      return index;
    }
  }
  if (x < 0 || y < 0 || x >= cursorsX_ || y >= cursorsY_) return std::nullopt;
  to.cursor = y * cursorsX_ + x;
  return encode(to);
}

void DistanceTable::search() {
  const uint64_t tuples = [&] {
    uint64_t count = 1;
    for (size_t i = 0; i < colours_.size(); ++i) count *= cellOfRank_.size();
    return count;
  }();
  distances_.assign(tuples * cursorsX_ * cursorsY_, kUnreached);
  std::vector<uint32_t> frontier;
  Cells solved;
  for (uint8_t colour = 0; colour < puzzle::kColours; ++colour) {
    for (size_t rank = 0; rank < cellOfRank_.size(); ++rank) {
      if (board_.tile(cellOfRank_[rank]) == colour) solved.ranks.push_back(static_cast<int>(rank));
    }
  }
  for (solved.cursor = 0; solved.cursor < cursorsX_ * cursorsY_; ++solved.cursor) {
    const uint32_t index = encode(solved);
    distances_[index] = 0;
    frontier.push_back(index);
  }
  for (uint8_t distance = 1; !frontier.empty(); ++distance) {
    std::vector<uint32_t> next;
    for (uint32_t index : frontier) {
      const Cells from = decode(index);
      for (char letter : kMoves) {
        const std::optional<uint32_t> reached = step(from, index, letter);
        if (!reached || distances_[*reached] != kUnreached) continue;
        distances_[*reached] = distance;
        next.push_back(*reached);
      }
    }
    frontier.swap(next);
  }
}

int DistanceTable::distance(const Position& position) const {
  const uint8_t d = distances_[encode(cellsOf(position))];
  return d == kUnreached ? -1 : d;
}

template <typename Visit>
void DistanceTable::forEachStart(Visit visit) const {
  const Position& start = board_.start();
  const uint64_t tuples = distances_.size() / (cursorsX_ * cursorsY_);
  const uint64_t cursor =
      (start.cursorY - board_.minCursorY()) * cursorsX_ + (start.cursorX - board_.minCursorX());
  for (uint64_t index = cursor * tuples; index < (cursor + 1) * tuples; ++index) {
    if (distances_[index] == kUnreached) continue;
    const Cells cells = decode(static_cast<uint32_t>(index));
    if (!anyHome(cells)) visit(cells, distances_[index]);
  }
}

int DistanceTable::farthestStart() const {
  int farthest = -1;
  forEachStart([&](const Cells&, int d) { farthest = std::max(farthest, d); });
  return farthest;
}

std::vector<Position> DistanceTable::startsAt(int distance) const {
  std::vector<Position> starts;
  forEachStart([&](const Cells& cells, int d) {
    if (d == distance) starts.push_back(positionOf(cells));
  });
  return starts;
}

std::string DistanceTable::solution(Position position) const {
  uint32_t index = encode(cellsOf(position));
  std::string moves;
  for (int d = distances_[index]; d > 0 && d != kUnreached; --d) {
    const Cells from = decode(index);
    for (char letter : kMoves) {
      const std::optional<uint32_t> next = step(from, index, letter);
      if (next && distances_[*next] == d - 1) {
        moves += letter;
        index = *next;
        break;
      }
    }
  }
  return moves;
}

}  // namespace bt::levels
