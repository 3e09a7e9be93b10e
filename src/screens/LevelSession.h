#pragma once
// What the two kinds of play on the built-in levels share (the campaign and
// practice): the phone's completion check (a solved level is followed by
// the next, the last by "Game Over"), the personal record of each level
// solved, the status line "Level N or 72", and the moves against the
// level's par beside the picture and in it.
#include <cstdint>
#include <string>

#include "screens/PlaySession.h"

namespace bt {

class Application;

class LevelSession : public PlaySession {
 public:
  explicit LevelSession(Application& app) : app_(app) {}

  std::string statusText(const Game& game, GameStatus status) const override;
  std::string playLine(const Game& game, GameStatus status) const override;
  std::string movesText(const Game& game, GameStatus status) const override;
  Controls controls() const override;

 protected:
  // checkCompletion; a built-in level it found solved gets its record.
  // True in `solvedLevel` then (not for the "Game Over" of each redraw after
  // the last level: the count goes on, the level was solved once).
  GameStatus settleLevel(Game& game, bool& solvedLevel);
  // Marks the board's level reached in the records.
  void markReached(const Game& game);
  // " - Level " in the line beside the picture, or practice's words.
  virtual const char* levelWords() const { return " - Level "; }
  Application& app() { return app_; }
  const Application& app() const { return app_; }

 private:
  Application& app_;
};

}  // namespace bt
