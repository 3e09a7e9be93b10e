#include "screens/LevelSession.h"

#include "app/Application.h"
#include "game/LevelPar.h"
#include "screens/GameView.h"
#include "screens/ScreenControls.h"

namespace bt {

GameStatus LevelSession::settleLevel(Game& game, bool& solvedLevel) {
  const GameStatus status = checkCompletion(game);
  const SolvedLevel& solved = game.lastSolved;
  solvedLevel = status != GameStatus::Playing && solved.levelIndex >= 0 &&
                solved.levelIndex <= kLastLevelIndex;
  if (solvedLevel &&
      app_.player().records().noteSolve(solved.levelIndex, solved.moves, solved.hintUsed)) {
    app_.player().writeRecords();
  }
  return status;
}

void LevelSession::markReached(const Game& game) {
  if (app_.player().records().markReached(game.board.levelIndex)) app_.player().writeRecords();
}

std::string LevelSession::statusText(const Game& game, GameStatus status) const {
  return GameView::statusText(status, game.board.levelIndex);
}

std::string LevelSession::playLine(const Game& game, GameStatus status) const {
  std::string line = Application::kPlainTitle;
  if (status == GameStatus::GameOver) return line + " - Game Over";
  const bool complete = status == GameStatus::LevelComplete;
  const int32_t level = complete ? game.lastSolved.levelIndex : game.board.levelIndex;
  if (level < 0 || level > kLastLevelIndex) return line;
  const size_t moves = complete ? game.lastSolved.moves.size() : game.moves.size();
  line += levelWords();
  line += std::to_string(level + 1) + (complete ? " - solved in " : " - ") + std::to_string(moves) +
          (moves == 1 ? " move" : " moves") + " - par " + std::to_string(levelPar(level));
  const PersonalRecord& record = app_.player().records().level(level);
  if (record.solved) line += " - best " + std::to_string(record.best());
  return line;
}

std::string LevelSession::movesText(const Game& game, GameStatus status) const {
  const bool complete = status == GameStatus::LevelComplete;
  const int32_t level = complete ? game.lastSolved.levelIndex : game.board.levelIndex;
  if (status == GameStatus::GameOver || level < 0 || level > kLastLevelIndex) return {};
  const size_t moves = complete ? game.lastSolved.moves.size() : game.moves.size();
  return std::to_string(moves) + " / par " + std::to_string(levelPar(level));
}

Controls LevelSession::controls() const {
  return gameControls();
}

}  // namespace bt
