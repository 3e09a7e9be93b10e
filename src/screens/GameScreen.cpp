#include "screens/GameScreen.h"

#include "app/Application.h"
#include "app/KeyMap.h"
#include "art/BoardSprites.h"
#include "game/GamePuzzle.h"
#include "screens/ScreenControls.h"

namespace bt {

namespace {

constexpr int kRotationChannel = 1;

}  // namespace

GameScreen::GameScreen(Application& app, std::shared_ptr<PlaySession> session)
    : Screen(app), view_(app.artSet()), session_(std::move(session)) {}

void GameScreen::enter() {
  Application& a = app();
  const int32_t w = a.width();
  const int32_t h = a.height();
  const std::string bankPath = a.makePath(boardBankPath(a.artSet()));
  for (uint8_t id : {kMenuButton, kRotateLeftButton, kRotateRightButton, kRestartButton}) {
    addHitRect(kGameButtons[id].on(w, h, id));
  }
  penAnchorX_ = penAnchorY_ = -1;
  // Without pictures the status text still shows on the plain background.
  redrawRequested_ = true;
  if (!view_.load(bankPath)) return;

  game_.rotation = Rotation{};
  game_.board.levelIndex = 0;
  game_.gameOver = false;
  if (a.player().settings().soundOn != 0) {
    rotationSound_ = std::make_unique<WaveSound>();
    if (!rotationSound_->load(a.makePath("Game_Sound\\close.wav"))) rotationSound_.reset();
  }
  session_->begin(game_);
}

void GameScreen::leaveFor(const ScreenRequest& request) {
  // Asked again while the picture fades (a held key repeats): the switch
  // asked for stands.
  if (leaving_) return;
  leaving_ = true;
  app().requestScreen(request);
}

void GameScreen::quit() {
  if (!leaving_) leaveFor(session_->quit(game_));
}

void GameScreen::leave() {
  finishRotation(game_);
  rotationSound_.reset();
  release();
  app().showPlayLine(Application::kPlainTitle);
  session_->leave(game_);
}

void GameScreen::makeBoard() {
  if (session_->make(game_, hints_)) {
    redrawRequested_ = true;
    return;
  }
  session_->drawMaking(view_, app().frameBuffer(), app().font());
  app().showPlayLine(session_->playLine(game_, GameStatus::Playing));
  app().setRedrawPending();
}

void GameScreen::frame() {
  if (!session_->ready()) {
    makeBoard();
    if (!session_->ready()) return;
  }
  followHint();
  if (redrawRequested_) {
    // The rules settle what the last input or commit changed (a solved
    // level moves on) before the picture shows it.
    const GameStatus status = session_->settle(game_);
    redrawRequested_ = false;
    draw(status);
    if (const auto next = session_->leavesAfter(status)) leaveFor(*next);
  }
  if (game_.rotation.rotating) {
    stepRotation(game_);
    view_.drawPieces(app().frameBuffer(), game_.board, game_.rotation);
    redrawRequested_ = true;
  }
}

void GameScreen::draw(GameStatus status) {
  Application& a = app();
  FrameBuffer& fb = a.frameBuffer();
  const Board& shown = status == GameStatus::LevelComplete ? game_.lastSolved.board : game_.board;
  view_.drawBoard(fb, shown);
  statusText_ = session_->statusText(game_, status);
  view_.drawCursor(fb, game_.board);
  view_.drawStatus(fb, a.font(), statusText_);
  if (a.movesShown()) view_.drawMoves(fb, a.font(), session_->movesText(game_, status));
  a.showPlayLine(session_->playLine(game_, status));
  view_.drawHint(fb, game_.board, hint_);
  session_->drawOver(fb, a.font());
  a.setRedrawPending();
}

void GameScreen::rotate(bool counterClockwise) {
  const RotationStart start = startRotation(game_, counterClockwise);
  if (start == RotationStart::Ignored) return;
  if (start == RotationStart::Started) history_.record(game_);
  session_->turnAsked();
  if (start == RotationStart::Started && rotationSound_) {
    app().mixer().play(rotationSound_.get(), false, false, kRotationChannel);
  }
}

void GameScreen::keyDown(GameKey key) {
  const int action = findAction(app().player().settings().keyMap, key);
  // '#' copies a solved puzzle's result, unless the player gave it an action.
  if (key == kKeyHash && action == kNoAction) {
    command(kCopyResult);
    return;
  }
  switch (action) {
    case kActionMoveUp:
      moveCursor(game_, Move::Up);
      break;
    case kActionMoveDown:
      moveCursor(game_, Move::Down);
      break;
    case kActionMoveLeft:
      moveCursor(game_, Move::Left);
      break;
    case kActionMoveRight:
      moveCursor(game_, Move::Right);
      break;
    case kActionRotateLeft:
      rotate(true);
      break;
    case kActionRotateRight:
      rotate(false);
      break;
    case kActionRestart:
      restart();  // after the last level this changes nothing
      break;
    case kActionQuit:
      quit();
      break;
    default:
      break;
  }
  redrawRequested_ = true;
}

void GameScreen::showHint() {
  hint_ = hints_.ask(game_, history_.turnsSinceRestart(game_));
  hintPosition_ = puzzlePositionOf(game_);
  hintAsked_ = true;
  if (hint_.key != 0) game_.hintUsed = true;
}

void GameScreen::followHint() {
  if (hintAsked_ && puzzlePositionOf(game_) != hintPosition_) {
    hintAsked_ = false;
    if (hint_.key != 0) redrawRequested_ = true;
    hint_ = Hint{};
  }
  if (game_.rotation.rotating) return;
  if (hints_.work(game_, HintSearch::kSliceNodes) && hintAsked_) {
    showHint();
    redrawRequested_ = true;
  }
}

void GameScreen::restart() {
  session_->restart(game_, history_);
}

void GameScreen::undo() {
  if (history_.undo(game_)) redrawRequested_ = true;
}

void GameScreen::redo() {
  if (history_.redo(game_)) redrawRequested_ = true;
}

Controls GameScreen::controls() const {
  return session_->controls();
}

void GameScreen::command(uint8_t id) {
  switch (id) {
    case kMenuButton:
      quit();
      break;
    case kRotateLeftButton:
      rotate(true);
      break;
    case kRotateRightButton:
      rotate(false);
      break;
    case kRestartButton:
      if (session_->buttonRestarts(game_)) restart();
      break;
    case kCopyResult:
      session_->copyResult();
      break;
    case kMovesToggle:
      app().setMovesShown(!app().movesShown());
      break;
    case kHintCommand:
      showHint();
      break;
    default:
      break;
  }
  redrawRequested_ = true;
}

void GameScreen::penDown(uint16_t x, uint16_t y) {
  for (const HitRect& rect : hitRects()) {
    if (rect.contains(x, y)) {
      command(rect.id);
      return;
    }
  }
  penAnchorX_ = x / kPenGrid;
  penAnchorY_ = y / kPenGrid;
  redrawRequested_ = true;
}

void GameScreen::penUp(uint16_t, uint16_t) {
  penAnchorX_ = penAnchorY_ = -1;
}

void GameScreen::penMove(uint16_t x, uint16_t y) {
  if (penAnchorX_ == -1) return;
  // At most one cell per axis for each event, however far the pen went.
  const int32_t gx = x / kPenGrid;
  const int32_t gy = y / kPenGrid;
  if (gx < penAnchorX_) moveCursor(game_, Move::Left);
  if (gx > penAnchorX_) moveCursor(game_, Move::Right);
  if (gy < penAnchorY_) moveCursor(game_, Move::Up);
  if (gy > penAnchorY_) moveCursor(game_, Move::Down);
  penAnchorX_ = gx;
  penAnchorY_ = gy;
  redrawRequested_ = true;
}

}  // namespace bt
