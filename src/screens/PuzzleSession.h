#pragma once
// A puzzle of the endless mode on the game screen. It is made where the
// player is (PuzzleMaker) while the screen shows the work going on, then
// set up on the game and played as practice: no "save.dat", no game in
// progress, no score. Its par shows as the levels' does. After a solve a
// box over the board gives the moves against par, and the result can be
// copied (C, '#', or the page's button): a line with the puzzle's name, the
// moves and par, never the solution. A restart after the solve plays it
// again. Quit returns to the level select's "random" entry.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/PuzzleMaker.h"
#include "game/PuzzleId.h"
#include "screens/PlaySession.h"

namespace bt {

class Application;

class PuzzleSession : public PlaySession {
 public:
  PuzzleSession(Application& app, const puzzle::PuzzleSpec& spec);
  // Takes the result off the page.
  ~PuzzleSession() override;

  void begin(Game&) override {}
  bool ready() const override { return ready_; }
  bool make(Game& game, HintSearch& hints) override;
  // The game's background and status bar, and a bar that fills as the work
  // goes on.
  void drawMaking(const GameView& view, FrameBuffer& fb, Font& font) const override;

  GameStatus settle(Game& game) override;
  ScreenRequest quit(const Game& game) override;
  bool buttonRestarts(const Game&) const override { return true; }
  // Once solved, the puzzle is set up again afresh: the solve is not a step
  // to take back, and the result goes.
  void restart(Game& game, UndoHistory& history) override;

  std::string statusText(const Game& game, GameStatus status) const override;
  std::string playLine(const Game& game, GameStatus status) const override;
  std::string movesText(const Game& game, GameStatus status) const override;
  void drawOver(FrameBuffer& fb, Font& font) const override;
  bool copyResult() override;
  Controls controls() const override;

  const puzzle::PuzzleSpec& spec() const { return spec_; }
  const std::string& id() const { return id_; }
  const std::string& result() const { return result_; }
  bool showsResult() const { return !result_.empty(); }

 protected:
  // "Puzzle 8c3p6m-k4x9q", on the making screen and in the lines.
  virtual std::string title() const;
  // "puzzle 8c3p6m-k4x9q", in the result to copy.
  virtual std::string resultName() const;
  // The player's best of this puzzle, where one is kept.
  virtual std::optional<int> best() const { return std::nullopt; }
  // A solve of the puzzle (as made, with its par) in these moves.
  virtual void noteSolve(const puzzle::GeneratedPuzzle&, const SolvedLevel&) {}
  // The level select's request on the way back.
  virtual ScreenRequest back() const;
  Application& app() { return app_; }
  const Application& app() const { return app_; }

 private:
  std::string parText() const;
  void solved(const SolvedLevel& solve);

  Application& app_;
  const puzzle::PuzzleSpec spec_;
  const std::string id_;
  std::unique_ptr<PuzzleMaker> maker_;
  puzzle::GeneratedPuzzle puzzle_;
  bool ready_ = false;
  std::string result_;  // the text to copy, once solved
  int solvedIn_ = 0;
  bool copied_ = false;
};

// The session for a puzzle id: the day's puzzle (DailyPuzzleSession) when
// it is today's, else a puzzle of its own.
std::shared_ptr<PlaySession> puzzleSession(Application& app, const puzzle::PuzzleSpec& spec);

}  // namespace bt
