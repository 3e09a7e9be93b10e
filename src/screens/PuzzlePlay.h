#pragma once
// A puzzle of the endless mode on the game screen. It is made where the
// player is (PuzzleMaker) while the screen shows the work going on, then
// set up on the game and played as practice: no "save.dat", no game in
// progress, no score. Its par shows as the levels' does; the day's puzzle
// keeps its best in "daily.dat". After a solve a box over the board gives
// the moves against par, and the result can be copied (C, '#', or the
// page's button): a line with the date or the id, the moves and par, never
// the solution.
#include <cstdint>
#include <memory>
#include <string>

#include "app/PuzzleChoice.h"
#include "app/PuzzleMaker.h"
#include "game/HintSearch.h"
#include "game/Rules.h"
#include "gfx/Font.h"
#include "gfx/FrameBuffer.h"

namespace bt {

class Application;
class GameView;

class PuzzlePlay {
 public:
  PuzzlePlay(Application& app, PuzzleChoice choice);
  // Takes the result off the page.
  ~PuzzlePlay();
  PuzzlePlay(const PuzzlePlay&) = delete;
  PuzzlePlay& operator=(const PuzzlePlay&) = delete;

  // Once a frame while the puzzle is made; true on the frame it is set up on
  // the game (its solution then known to the hints).
  bool make(Game& game, HintSearch& hints);
  bool ready() const { return ready_; }
  // The picture while it is made: the game's background and status bar, and
  // a bar that fills as the work goes on.
  void drawMaking(const GameView& view, FrameBuffer& fb, Font& font) const;

  std::string statusText(const Game& game, GameStatus status) const;
  // The line beside the picture, and the moves in it ("7 / par 12").
  std::string playLine(const Game& game, GameStatus status) const;
  std::string movesText(const Game& game, GameStatus status) const;

  // The puzzle was just solved (game.lastSolved): the day's best, the
  // result to copy.
  void solved(const Game& game);
  // Set up afresh after a solve: the result goes.
  void restarted();
  bool showsResult() const { return !result_.empty(); }
  // The box over the board after a solve.
  void drawResult(FrameBuffer& fb, Font& font) const;
  // Puts the result on the clipboard; false when there is none or the
  // clipboard refused it.
  bool copyResult();
  const std::string& result() const { return result_; }

  // The level select's entry the puzzle came from.
  int entry() const;
  const PuzzleChoice& choice() const { return choice_; }

 private:
  std::string title() const;  // "Daily 2026-12-11" or "Puzzle 8c3p6m-k4x9q"
  std::string parText() const;

  Application& app_;
  const PuzzleChoice choice_;
  const std::string id_;
  std::unique_ptr<PuzzleMaker> maker_;
  puzzle::GeneratedPuzzle puzzle_;
  bool ready_ = false;
  std::string result_;  // the text to copy, once solved
  int solvedIn_ = 0;
  bool copied_ = false;
};

}  // namespace bt
