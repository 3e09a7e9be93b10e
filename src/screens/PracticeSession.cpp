#include "screens/PracticeSession.h"

#include <algorithm>

namespace bt {

PracticeSession::PracticeSession(Application& app, int32_t levelIndex)
    : LevelSession(app), levelIndex_(std::clamp(levelIndex, 0, kLastLevelIndex)) {}

void PracticeSession::begin(Game& game) {
  startLevel(game, levelIndex_);
  markReached(game);
}

GameStatus PracticeSession::settle(Game& game) {
  bool solvedLevel = false;
  const GameStatus status = settleLevel(game, solvedLevel);
  if (solvedLevel) solvedLevel_ = game.lastSolved.levelIndex;
  return status;
}

std::optional<ScreenRequest> PracticeSession::leavesAfter(GameStatus status) const {
  if (status == GameStatus::Playing || solvedLevel_ < 0) return std::nullopt;
  return ScreenRequest::levelSelect(std::min(solvedLevel_ + 1, kLastLevelIndex));
}

ScreenRequest PracticeSession::quit(const Game&) {
  return ScreenRequest::levelSelect(levelIndex_);
}

}  // namespace bt
