#pragma once
// The screen the puzzle is played on, for a new game (level 1) or to
// continue the game kept in "save.dat", for a level as practice, or for a
// puzzle of the endless mode (PuzzlePlay). Turns keys, pen taps and pen
// drags into moves of the rules, draws the game whenever something changed
// and during a rotation, and writes "save.dat" whenever a game is left.
//
// A saved game that cannot be played (missing, short, damaged: the player's
// data sets a damaged one aside) starts a new game at level 1 instead, and
// the proof of the levels solved before stays as it is. Without its board
// pictures the screen shows the plain background and the status text, and
// sets no board up, so input changes nothing and leaving keeps "save.dat" as
// it was.
#include <cstdint>
#include <memory>
#include <string>

#include "app/GameProofFile.h"
#include "app/Screen.h"
#include "game/HintSearch.h"
#include "game/PuzzleBoard.h"
#include "game/Rules.h"
#include "game/UndoHistory.h"
#include "screens/GameView.h"
#include "screens/PuzzlePlay.h"
#include "sound/WaveSound.h"

namespace bt {

enum class GameStart {
  New,       // level 1
  Continue,  // the game kept in "save.dat"
  // The level select's level, as practice: "save.dat", the settings' game in
  // progress and the score are never touched; solving it or leaving returns
  // to the level select.
  Practice,
  // The puzzle of Application::puzzleChoice, made first, then played as
  // practice; leaving returns to the level select.
  Puzzle,
};

class GameScreen : public Screen {
 public:
  // HitRect ids: the indices of their places in kGameButtons.
  static constexpr uint8_t kMenuButton = 0;
  static constexpr uint8_t kRotateLeftButton = 1;
  static constexpr uint8_t kRotateRightButton = 2;
  static constexpr uint8_t kRestartButton = 3;
  // The desktop's M: the moves in the top band, shown or not.
  static constexpr uint8_t kMovesToggle = 10;
  // The hint (the desktop's H, the page's button, a pad's button): no pen
  // target, only a command.
  static constexpr uint8_t kHintCommand = 4;
  // A solved puzzle's result to the clipboard (the desktop's C, '#').
  static constexpr uint8_t kCopyResult = 11;
  // Pen drags move the cursor by squares of this many pixels.
  static constexpr int32_t kPenGrid = 21;

  GameScreen(Application& app, GameStart start);

  void enter() override;
  // Commits a running rotation, frees the sound, then writes "save.dat".
  void leave() override;
  void frame() override;
  // Not still while the hint's search goes on between frames (a window
  // that slept then would leave the hint at its first answer), nor while a
  // puzzle is being made.
  bool still() const override {
    return !redrawRequested_ && !game_.rotation.rotating && !hints_.busy() &&
           (!puzzle_ || puzzle_->ready());
  }
  void keyDown(GameKey key) override;
  void penDown(uint16_t x, uint16_t y) override;
  void penUp(uint16_t x, uint16_t y) override;
  void penMove(uint16_t x, uint16_t y) override;
  void command(uint8_t id) override;
  // Takes the last step of the current level back, or makes it again (see
  // UndoHistory).
  void undo() override;
  void redo() override;
  Controls controls() const override;
  void movesShownChanged() override { redrawRequested_ = true; }

  const Game& game() const { return game_; }
  // The hint shown (its key is 0 when none is).
  const Hint& hint() const { return hint_; }
  // The status text of the last picture drawn.
  const std::string& statusText() const { return statusText_; }
  // The puzzle of the endless mode played here, if any.
  const PuzzlePlay* puzzle() const { return puzzle_.get(); }

 private:
  void draw();
  void rotate(bool counterClockwise);
  void restart();
  // Asks for the hint from the position now; it shows until the position
  // changes (see followHint).
  void showHint();
  // Once a frame: drops a hint the position has left, and gives the hint
  // search a slice of work (not while a rotation slides), showing what it
  // improves.
  void followHint();
  void readSavedGame();
  // A continued game: the moves of its level before it was saved, from
  // "proof.dat", when they give the saved board (so that its solve replays
  // from the level's start, and proves the level).
  void resumeLevelMoves();
  // "save.dat", and the level's moves so far beside it in "proof.dat".
  void writeSavedGame();
  // The number of levels solved, the game's score.
  int32_t score() const;
  // Leaves for the score table when the score earned a row, else the menu
  // (practice: the level select).
  void quit();
  // A level just solved: its record, and practice's way back.
  void levelSolved();
  // The moves, par and best beside the picture (and in it, when shown).
  std::string playLine(GameStatus status) const;
  // "7 / par 6", for the top band.
  std::string movesText(GameStatus status) const;
  // Practice and puzzles never touch "save.dat", the game in progress or
  // the score.
  bool practice() const { return start_ == GameStart::Practice || start_ == GameStart::Puzzle; }
  // A puzzle while it is made: the screen shows the work going on.
  void makePuzzle();

  GameView view_;
  Game game_;
  UndoHistory history_;
  const GameStart start_;
  GameProofFile proof_;  // the moves of each level this game solved
  HintSearch hints_;
  std::unique_ptr<PuzzlePlay> puzzle_;
  Hint hint_;
  puzzle::Position hintPosition_;  // where the hint was asked for
  bool hintAsked_ = false;         // and the game still stands there
  std::unique_ptr<WaveSound> rotationSound_;
  std::string statusText_;
  bool redrawRequested_ = false;
  int32_t penAnchorX_ = -1;
  int32_t penAnchorY_ = -1;
  int32_t scoreOnEnter_ = 0;
  bool leaving_ = false;  // quit has asked for the switch
};

}  // namespace bt
