#pragma once
// A kind of play on the game screen: the campaign (a new or a continued game
// of the levels), practice of one level, a puzzle of the endless mode (the
// day's puzzle with its book of bests). The game screen plays whichever
// session its request carries and asks it, never a mode, how its board
// starts, what a restart sets up, what a solve does, what its lines say and
// what it saves where. A new kind of play is a new session class and the
// place that opens it.
#include <optional>
#include <string>

#include "app/Controls.h"
#include "app/ScreenRequest.h"
#include "game/HintSearch.h"
#include "game/Rules.h"
#include "game/UndoHistory.h"
#include "gfx/Font.h"
#include "gfx/FrameBuffer.h"

namespace bt {

class GameView;

class PlaySession {
 public:
  virtual ~PlaySession() = default;

  // Sets the board up as the screen is entered (a puzzle's board is made
  // later, by make).
  virtual void begin(Game& game) = 0;
  // False while the board is still being made: make then works once a frame
  // and is true on the frame that sets the board up (the hints then know
  // its solution); drawMaking shows the work meanwhile.
  virtual bool ready() const { return true; }
  virtual bool make(Game&, HintSearch&) { return false; }
  virtual void drawMaking(const GameView&, FrameBuffer&, Font&) const {}
  // The rules' completion check before a redraw, and what a solve does
  // here (the next level, a record, the day's best). Returns the status
  // the redraw shows.
  virtual GameStatus settle(Game& game) = 0;
  // Where the game screen goes by itself after this status, if anywhere.
  virtual std::optional<ScreenRequest> leavesAfter(GameStatus) const { return std::nullopt; }
  // Where Quit (the action, the menu button) leads.
  virtual ScreenRequest quit(const Game& game) = 0;
  // The screen is left: what the session saves, and where.
  virtual void leave(const Game&) {}

  // A turn was asked for (started or refused).
  virtual void turnAsked() {}
  // Whether the Restart button sets the board up again now.
  virtual bool buttonRestarts(const Game& game) const { return !game.gameOver; }
  // Sets the level up afresh, as a step the history can take back.
  virtual void restart(Game& game, UndoHistory& history) {
    history.recordRestart(game);
    restartLevel(game);
  }

  // The status line, the line beside the picture, and the moves in the top
  // band ("7 / par 6") for what settle returned.
  virtual std::string statusText(const Game& game, GameStatus status) const = 0;
  virtual std::string playLine(const Game& game, GameStatus status) const = 0;
  virtual std::string movesText(const Game& game, GameStatus status) const = 0;
  // Drawn over the board last (a solved puzzle's box).
  virtual void drawOver(FrameBuffer&, Font&) const {}
  // Puts a result on the clipboard (C, '#'); false when there is none.
  virtual bool copyResult() { return false; }
  virtual Controls controls() const = 0;
};

}  // namespace bt
