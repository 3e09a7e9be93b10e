#pragma once
// Every position of a small board and its exact distance to a solution, by
// breadth-first search from the solved positions (moves undo each other, so
// a distance from them is a distance to them). Scrambles on a small board
// rarely reach its deepest starts; this finds them directly, and any start
// at a wanted distance with it.
//
// A position is the cursor and each marker's cell, the markers of one colour
// in cell order; the table holds one byte per cursor and tuple of cells, so
// it is kept to boards where that stays within kMostPositions.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "levels/PuzzleNames.h"

namespace bt::levels {

class DistanceTable {
 public:
  static constexpr uint64_t kMostPositions = uint64_t{1} << 25;

  // Whether a board of this side with this many markers fits the table.
  static bool fits(int side, int markers);

  // The board's tiles (its markers are ignored): as many markers of each
  // colour as it has tiles of that colour. The board must fit.
  explicit DistanceTable(const PuzzleBoard& tiles);

  // Keys from the position to the nearest solution; -1 when none exists.
  int distance(const Position& position) const;
  // The largest distance of a position with the board's start cursor and no
  // marker on a tile of its colour; -1 when there is none.
  int farthestStart() const;
  // The positions with the start cursor and no marker at home that are
  // exactly `distance` keys from a solution, in the table's order.
  std::vector<Position> startsAt(int distance) const;
  // A shortest solution from a position the table reaches.
  std::string solution(Position position) const;

 private:
  struct Cells {
    int cursor = 0;
    std::vector<int> ranks;  // each marker's cell, by rank among the cells in play
  };
  uint32_t encode(Cells cells) const;
  Cells decode(uint32_t index) const;
  Cells cellsOf(const Position& position) const;
  Position positionOf(const Cells& cells) const;
  bool anyHome(const Cells& cells) const;
  // Calls visit(cells, distance) for every reached start: the start cursor,
  // no marker at home.
  template <typename Visit>
  void forEachStart(Visit visit) const;
  // The index of the position one move from `from` (whose index is
  // `fromIndex`); nullopt when the move is refused or changes nothing.
  std::optional<uint32_t> step(const Cells& from, uint32_t fromIndex, char letter) const;
  void search();

  PuzzleBoard board_;
  std::vector<int> cellOfRank_;
  std::vector<int> rankOfCell_;   // -1 off the board
  std::vector<uint8_t> colours_;  // each marker's colour, in marker order
  std::vector<int> groupEnds_;    // where each colour's markers end
  int cursorsX_ = 0;
  int cursorsY_ = 0;
  // ringStep_[cursor][direction][rank]: where a turn carries a cell's marker.
  std::vector<std::array<std::vector<int>, 2>> ringStep_;
  std::vector<uint8_t> distances_;  // kUnreached where no solution is known
};

}  // namespace bt::levels
