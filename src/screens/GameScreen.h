#pragma once
// The screen the puzzle is played on. It plays the session its request
// carries (PlaySession: the campaign, practice, a puzzle) and asks it, never
// a mode, how the board starts, what a solve does and what is saved where.
// Turns keys, pen taps and pen drags into moves of the rules; once a frame
// in which something changed, the session settles the rules' completion
// check and the picture is drawn from what stands (drawing changes nothing);
// during a rotation the pieces slide frame by frame.
//
// Without its board pictures the screen shows the plain background and the
// status text, and sets no board up, so input changes nothing and leaving
// keeps "save.dat" as it was.
#include <cstdint>
#include <memory>
#include <string>

#include "app/Screen.h"
#include "game/HintSearch.h"
#include "game/PuzzleBoard.h"
#include "game/Rules.h"
#include "game/UndoHistory.h"
#include "screens/GameView.h"
#include "screens/PlaySession.h"
#include "sound/WaveSound.h"

namespace bt {

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

  GameScreen(Application& app, std::shared_ptr<PlaySession> session);

  void enter() override;
  // Commits a running rotation, frees the sound, then lets the session save
  // what it keeps.
  void leave() override;
  void frame() override;
  // Not still while the hint's search goes on between frames (a window
  // that slept then would leave the hint at its first answer), nor while a
  // puzzle is being made.
  bool still() const override {
    return !redrawRequested_ && !game_.rotation.rotating && !hints_.busy() && session_->ready();
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
  // The kind of play.
  const PlaySession& session() const { return *session_; }

 private:
  // Draws the picture for what settle returned; reads the game, changes it
  // not.
  void draw(GameStatus status);
  void rotate(bool counterClockwise);
  void restart();
  // Asks for the hint from the position now; it shows until the position
  // changes (see followHint).
  void showHint();
  // Once a frame: drops a hint the position has left, and gives the hint
  // search a slice of work (not while a rotation slides), showing what it
  // improves.
  void followHint();
  // Leaves for where the session leads, once.
  void leaveFor(const ScreenRequest& request);
  // Quit: where the session leads (the score goes into the table once,
  // however often Quit is asked while the picture fades).
  void quit();
  // A board while it is made: the screen shows the work going on.
  void makeBoard();

  GameView view_;
  Game game_;
  UndoHistory history_;
  const std::shared_ptr<PlaySession> session_;
  HintSearch hints_;
  Hint hint_;
  puzzle::Position hintPosition_;  // where the hint was asked for
  bool hintAsked_ = false;         // and the game still stands there
  std::unique_ptr<WaveSound> rotationSound_;
  std::string statusText_;
  bool redrawRequested_ = false;
  int32_t penAnchorX_ = -1;
  int32_t penAnchorY_ = -1;
  bool leaving_ = false;  // the switch away is asked for
};

}  // namespace bt
