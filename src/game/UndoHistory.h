#pragma once
// The steps of the current level, oldest first: rotations and restarts, so
// that a player can take them back one by one to the level's start, and
// step forward again through what was taken back until a new step is made.
// A rotation is undone at once by turning the same ring the other way, so
// the board keeps every marker of the level exactly once; a restart is
// undone by putting back the board it replaced. The level's moves go back
// with the board: an undone turn takes out the keys from the turn on, a
// redone one gives back the keys up to it and the turn, an undone restart
// gives back the keys it cleared. Kept in memory only: never part of
// "save.dat".
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "game/Rules.h"

namespace bt {

class UndoHistory {
 public:
  // A rotation made: the ring's cursor place and the way it turned.
  struct MadeTurn {
    uint8_t cursorX = 0;
    uint8_t cursorY = 0;
    bool counterClockwise = false;
  };

  // Far more than any level needs; past it the oldest step is forgotten, so
  // that a history never grows without bound.
  static constexpr size_t kMaxSteps = 1u << 16;

  // Notes the rotation startRotation has just started; a level other than
  // the one recorded so far starts a new history. What was undone can no
  // longer be redone.
  void record(const Game& game);
  // Notes a restart about to be made (call it just before restartLevel): the
  // board as it stands, a running rotation committed. A restart that would
  // leave the board and the cursor as they are is no step and changes
  // nothing here.
  void recordRestart(const Game& game);
  // Takes the last step of the current level back at once: a rotation turns
  // back with the cursor on its ring, a restart gives back the board and the
  // cursor it replaced. Refused (false, nothing changes) while a rotation
  // runs, once the board is solved or the game is over, on a board never set
  // up, and when nothing of this level is left to take back.
  bool undo(Game& game);
  // Makes the last step undone again, at once (a rotation with the cursor on
  // its ring). Refused as undo is, and when nothing was undone since the
  // last step.
  bool redo(Game& game);
  // The rotations made on the board's level since it was last restarted (or
  // since the oldest step kept), oldest first; none when the steps kept are
  // another level's. Turned back, newest first, they lead back there.
  std::vector<MadeTurn> turnsSinceRestart(const Game& game) const;
  // For a new game: nothing to undo or redo.
  void clear();
  // Steps that undo can take back, and that redo can make again.
  size_t size() const { return done_; }
  size_t redoable() const { return steps_.size() - done_; }

 private:
  using Cells = std::array<uint8_t, kCellBytes>;
  struct Step {
    uint8_t cursorX = 0;  // a rotation's ring; the cursor before a restart
    uint8_t cursorY = 0;
    bool counterClockwise = false;
    std::unique_ptr<const Cells> cellsBefore;  // a restart's: the board it replaced
    // A rotation's: the cursor keys since the step before, and how many
    // keys the level had once its turn was made.
    std::string cursorKeys;
    size_t movesAfter = 0;
    std::unique_ptr<const std::string> movesReplaced;  // a restart's: the keys it cleared
  };

  void push(Step step, int32_t levelIndex);
  // Forgets the steps of a level other than the one on the board.
  void forgetOtherLevel(const Game& game);
  static bool turn(Game& game, uint8_t cursorX, uint8_t cursorY, bool counterClockwise);

  std::deque<Step> steps_;
  size_t done_ = 0;  // steps_[0, done_) are made, the rest undone
  int32_t levelIndex_ = -1;
};

}  // namespace bt
