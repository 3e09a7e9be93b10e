#pragma once
// The rotations of the current level, newest last, so that a player can take
// them back one by one to the level's start. A rotation is undone at once by
// turning the same ring the other way, so the board keeps every marker of
// the level exactly once. Kept in memory only: never part of "save.dat".
#include <cstddef>
#include <cstdint>
#include <deque>

#include "game/Rules.h"

namespace bt {

class UndoHistory {
 public:
  // Far more than any level needs; past it the oldest rotation is forgotten,
  // so that a history never grows without bound.
  static constexpr size_t kMaxRotations = 1u << 16;

  // Notes the rotation startRotation has just started; a level other than
  // the one recorded so far starts a new history.
  void record(const Game& game);
  // Takes the last rotation of the current level back at once and puts the
  // cursor on its ring. Refused (false, nothing changes) while a rotation
  // runs, once the board is solved or the game is over, on a board never set
  // up, and when nothing of this level is left to take back.
  bool undo(Game& game);
  // For a restart or a new game: the level starts afresh.
  void clear() { rotations_.clear(); }
  size_t size() const { return rotations_.size(); }

 private:
  struct Turn {
    uint8_t cursorX;
    uint8_t cursorY;
    bool counterClockwise;
  };

  std::deque<Turn> rotations_;
  int32_t levelIndex_ = -1;
};

}  // namespace bt
