#include "screens/CampaignSession.h"

#include <algorithm>

#include "app/Application.h"
#include "app/ScoreRanking.h"
#include "game/SavedGame.h"

namespace bt {

CampaignSession::CampaignSession(Application& app, Start start)
    : LevelSession(app), start_(start), proof_(app.player()) {}

void CampaignSession::begin(Game& game) {
  if (start_ == Start::Continue) {
    readSavedGame(game);
    proof_.load();
    resumeLevelMoves(game);
  } else {
    app().player().settings().gameInProgress = 0;
    startNewGame(game);
    proof_.clear();
  }
  markReached(game);
  scoreOnEnter_ = score(game);
}

int32_t CampaignSession::score(const Game& game) {
  return std::clamp(game.board.levelIndex, int32_t{0}, int32_t{kLevelCount});
}

GameStatus CampaignSession::settle(Game& game) {
  bool solvedLevel = false;
  const GameStatus status = settleLevel(game, solvedLevel);
  if (status == GameStatus::GameOver) app().player().settings().gameInProgress = 0;
  if (solvedLevel) proof_.levelSolved(game.lastSolved.levelIndex, game.lastSolved.moves);
  return status;
}

void CampaignSession::turnAsked() {
  app().player().settings().gameInProgress = 1;
}

ScreenRequest CampaignSession::quit(const Game& game) {
  // A game that solved more levels here than it had on entering, and beats
  // the table's lowest row, goes to the score table for a name.
  const bool ranked = recordGameScore(app().player().scores(), scoreOnEnter_, score(game)) >= 0;
  return ScreenRequest(ranked ? ScreenId::ScoreTable : ScreenId::MainMenu);
}

void CampaignSession::readSavedGame(Game& game) {
  if (const std::optional<SavedGame> saved = app().player().readSavedGame()) {
    restoreSavedGame(game, *saved);
  } else {
    // Nothing playable was kept: a new game, as the new-game screen starts
    // it, but the proof of the levels solved before stays as it is.
    app().player().settings().gameInProgress = 0;
    startNewGame(game);
  }
}

void CampaignSession::resumeLevelMoves(Game& game) {
  const int32_t level = game.board.levelIndex;
  const LevelInProgress& kept = proof_.levelInProgress();
  if (game.gameOver || kept.empty() || proof_.proof().levels.size() != static_cast<size_t>(level)) {
    return;
  }
  game.hintUsed = kept.hintUsed;
  // Moves that do not give the saved board leave the level unproven, as
  // when none were kept.
  if (auto moves = resumedLevelMoves(level, kept.moves, game.board)) {
    game.moves = std::move(*moves);
  }
}

void CampaignSession::leave(const Game& game) {
  // A board never set up is not a game: the file keeps the last one.
  if (!game.board.isSetUp()) return;
  app().player().writeSavedGame(game.board);
  proof_.keepLevelInProgress(game.gameOver ? -1 : game.board.levelIndex,
                             {game.moves, game.hintUsed});
}

}  // namespace bt
