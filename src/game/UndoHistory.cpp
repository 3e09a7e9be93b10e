#include "game/UndoHistory.h"

#include <algorithm>
#include <utility>

namespace bt {

namespace {

bool playable(const Game& game) {
  const Board& board = game.board;
  return board.isSetUp() && !game.gameOver && !game.rotation.rotating && !isSolved(board);
}

}  // namespace

void UndoHistory::clear() {
  steps_.clear();
  done_ = 0;
}

void UndoHistory::push(Step step, int32_t levelIndex) {
  if (levelIndex != levelIndex_) {
    clear();
    levelIndex_ = levelIndex;
  }
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
  if (steps_.size() >= kMaxSteps) steps_.pop_front();
  steps_.push_back(std::move(step));
  done_ = steps_.size();
}

void UndoHistory::record(const Game& game) {
  // startRotation has just counted the turn; the keys before it since the
  // last step made are cursor moves.
  const bool sameLevel = game.board.levelIndex == levelIndex_ && done_ > 0;
  const size_t turnAt = game.moves.empty() ? 0 : game.moves.size() - 1;
  const size_t since = std::min(sameLevel ? steps_[done_ - 1].movesAfter : 0, turnAt);
  push({game.rotation.cursorX, game.rotation.cursorY, game.rotation.counterClockwise, nullptr,
        game.moves.substr(since, turnAt - since), game.moves.size(), nullptr},
       game.board.levelIndex);
}

void UndoHistory::recordRestart(const Game& game) {
  Game before = game;
  finishRotation(before);
  Game after = before;
  restartLevel(after);
  const Board& was = before.board;
  const Board& will = after.board;
  if (was.cells == will.cells && was.cursorX == will.cursorX && was.cursorY == will.cursorY) {
    return;
  }
  push({was.cursorX,
        was.cursorY,
        false,
        std::make_unique<const Cells>(was.cells),
        {},
        0,
        std::make_unique<const std::string>(game.moves)},
       was.levelIndex);
}

void UndoHistory::forgetOtherLevel(const Game& game) {
  if (game.board.levelIndex != levelIndex_) clear();
}

// Turns the ring at the cursor place given, at once; the cursor stays there.
bool UndoHistory::turn(Game& game, uint8_t cursorX, uint8_t cursorY, bool counterClockwise) {
  Board& board = game.board;
  const uint8_t oldX = board.cursorX;
  const uint8_t oldY = board.cursorY;
  board.cursorX = cursorX;
  board.cursorY = cursorY;
  if (startRotation(game, counterClockwise) != RotationStart::Started) {
    board.cursorX = oldX;
    board.cursorY = oldY;
    return false;
  }
  finishRotation(game);
  return true;
}

std::vector<UndoHistory::MadeTurn> UndoHistory::turnsSinceRestart(const Game& game) const {
  std::vector<MadeTurn> turns;
  if (game.board.levelIndex != levelIndex_) return turns;
  size_t first = done_;
  while (first > 0 && !steps_[first - 1].cellsBefore) --first;
  for (size_t i = first; i < done_; ++i) {
    turns.push_back({steps_[i].cursorX, steps_[i].cursorY, steps_[i].counterClockwise});
  }
  return turns;
}

bool UndoHistory::undo(Game& game) {
  if (!playable(game)) return false;
  forgetOtherLevel(game);
  if (done_ == 0) return false;
  const Step& last = steps_[done_ - 1];
  if (last.cellsBefore) {
    game.board.cells = *last.cellsBefore;
    game.board.cursorX = last.cursorX;
    game.board.cursorY = last.cursorY;
    game.moves = *last.movesReplaced;
  } else if (turn(game, last.cursorX, last.cursorY, !last.counterClockwise)) {
    game.moves.resize(std::min(last.movesAfter - 1, game.moves.size()));
  } else {
    return false;
  }
  --done_;
  return true;
}

bool UndoHistory::redo(Game& game) {
  if (!playable(game)) return false;
  forgetOtherLevel(game);
  if (done_ == steps_.size()) return false;
  const Step& next = steps_[done_];
  if (next.cellsBefore) {
    restartLevel(game);
  } else if (turn(game, next.cursorX, next.cursorY, next.counterClockwise)) {
    const size_t stepBefore = next.movesAfter - 1 - next.cursorKeys.size();
    game.moves.resize(std::min(stepBefore, game.moves.size()));
    game.moves += next.cursorKeys;
    game.moves += next.counterClockwise ? '<' : '>';
  } else {
    return false;
  }
  ++done_;
  return true;
}

}  // namespace bt
