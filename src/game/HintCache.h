#pragma once
// The positions of one level whose way to the solution is known: for each,
// the next key and how many keys are left. Following the next keys from any
// of them solves the level in at most that many keys (exactly that many where
// the entry is marked shortest): an entry is only ever replaced by a shorter
// one, so the keys left drop by at least one with every key followed.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "game/PuzzleBoard.h"

namespace bt::puzzle {

class HintCache {
 public:
  struct Entry {
    char key = 0;
    int keysLeft = 0;
    bool shortest = false;  // no solution from the position is shorter
  };
  // A known position with these markers and its cursor place.
  struct Known {
    int cursorX = 0;
    int cursorY = 0;
    Entry entry;
  };

  // Past this many positions the cache starts afresh (it only saves work).
  static constexpr size_t kMostPositions = 1u << 16;

  const Entry* find(const Position& position) const;
  // The known positions with the markers of `position`, any cursor place.
  std::vector<Known> withMarkers(const Position& position) const;
  // Notes each position along `moves` from `from` with the rest of the moves.
  // Refused (false, nothing noted) unless the moves solve the board from there.
  bool add(const PuzzleBoard& board, const Position& from, std::string_view moves, bool shortest);
  // The moves of the known way from a known position (empty when unknown or
  // already solved).
  std::string movesFrom(const PuzzleBoard& board, Position position) const;
  size_t size() const { return count_; }
  void clear();

 private:
  struct Item {
    std::array<uint8_t, kCells> markers;
    Known known;
  };
  Item* findItem(const Position& position);
  const Item* findItem(const Position& position) const;

  // By a hash of the markers alone, so that every cursor place of an
  // arrangement is found together.
  std::unordered_map<uint64_t, std::vector<Item>> items_;
  size_t count_ = 0;
};

// A hash of the position's markers (not of its cursor).
uint64_t markersHash(const Position& position);

}  // namespace bt::puzzle
