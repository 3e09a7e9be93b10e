#include "screens/GameScreen.h"

#include <algorithm>

#include "app/Application.h"
#include "app/KeyMap.h"
#include "app/ScoreRanking.h"
#include "art/BoardSprites.h"
#include "game/GameProof.h"
#include "game/GamePuzzle.h"
#include "game/LevelData.h"
#include "game/LevelPar.h"
#include "game/SavedGame.h"
#include "screens/ScreenControls.h"

namespace bt {

namespace {

constexpr int kRotationChannel = 1;

}  // namespace

GameScreen::GameScreen(Application& app, GameStart start)
    : Screen(app), view_(app.artSet()), start_(start), proof_(app.player()) {}

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
  if (a.settings().soundOn != 0) {
    rotationSound_ = std::make_unique<WaveSound>();
    if (!rotationSound_->load(a.makePath("Game_Sound\\close.wav"))) rotationSound_.reset();
  }
  if (start_ == GameStart::Puzzle) {
    puzzle_ = std::make_unique<PuzzlePlay>(a, a.puzzleChoice());
    return;  // set up once made
  }
  if (start_ == GameStart::Continue) {
    readSavedGame();
    proof_.load();
    resumeLevelMoves();
  } else if (practice()) {
    startLevel(game_, std::clamp(a.practiceLevel(), 0, kLastLevelIndex));
  } else {
    a.settings().gameInProgress = 0;
    startNewGame(game_);
    proof_.clear();
  }
  if (a.records().markReached(game_.board.levelIndex)) a.writeRecords();
  scoreOnEnter_ = score();
}

int32_t GameScreen::score() const {
  return std::clamp(game_.board.levelIndex, int32_t{0}, int32_t{kLevelCount});
}

void GameScreen::quit() {
  // Asked again while the picture fades (a held key repeats): the score is
  // in the table already, and the switch asked for stands.
  if (leaving_) return;
  leaving_ = true;
  if (puzzle_) app().setPracticeLevel(puzzle_->entry());
  if (practice()) {
    app().requestScreen(ScreenId::LevelSelect);
    return;
  }
  // A game that solved more levels here than it had on entering, and beats
  // the table's lowest row, goes to the score table for a name.
  const bool ranked = recordGameScore(app().scores(), scoreOnEnter_, score()) >= 0;
  app().requestScreen(ranked ? ScreenId::ScoreTable : ScreenId::MainMenu);
}

void GameScreen::leave() {
  finishRotation(game_);
  rotationSound_.reset();
  release();
  app().showPlayLine(Application::kPlainTitle);
  if (!practice()) writeSavedGame();
}

void GameScreen::makePuzzle() {
  if (puzzle_->make(game_, hints_)) {
    redrawRequested_ = true;
    return;
  }
  puzzle_->drawMaking(view_, app().frameBuffer(), app().font());
  app().showPlayLine(puzzle_->playLine(game_, GameStatus::Playing));
  app().setRedrawPending();
}

void GameScreen::frame() {
  if (puzzle_ && !puzzle_->ready()) {
    makePuzzle();
    if (!puzzle_->ready()) return;
  }
  followHint();
  if (redrawRequested_) draw();
  if (game_.rotation.rotating) {
    stepRotation(game_);
    view_.drawPieces(app().frameBuffer(), game_.board, game_.rotation);
    redrawRequested_ = true;
  }
}

void GameScreen::draw() {
  Application& a = app();
  FrameBuffer& fb = a.frameBuffer();
  view_.drawBoard(fb, game_.board);
  const GameStatus status = checkCompletion(game_);
  if (status == GameStatus::GameOver && !practice()) a.settings().gameInProgress = 0;
  if (status != GameStatus::Playing) levelSolved();
  statusText_ = puzzle_ ? puzzle_->statusText(game_, status)
                        : GameView::statusText(status, game_.board.levelIndex);
  view_.drawCursor(fb, game_.board);
  view_.drawStatus(fb, a.font(), statusText_);
  const std::string line = puzzle_ ? puzzle_->playLine(game_, status) : playLine(status);
  if (a.movesShown()) {
    view_.drawMoves(fb, a.font(), puzzle_ ? puzzle_->movesText(game_, status) : movesText(status));
  }
  a.showPlayLine(line);
  view_.drawHint(fb, game_.board, hint_);
  if (puzzle_) puzzle_->drawResult(fb, a.font());
  a.setRedrawPending();
  redrawRequested_ = false;
}

void GameScreen::levelSolved() {
  if (puzzle_) {
    puzzle_->solved(game_);
    return;
  }
  const SolvedLevel& solved = game_.lastSolved;
  // A finished game counts on at every redraw: only real levels count.
  if (solved.levelIndex < 0 || solved.levelIndex > kLastLevelIndex) return;
  Application& a = app();
  if (a.records().noteSolve(solved.levelIndex, solved.moves, solved.hintUsed)) a.writeRecords();
  if (!practice()) proof_.levelSolved(solved.levelIndex, solved.moves);
  if (practice()) {
    a.setPracticeLevel(std::min(solved.levelIndex + 1, kLastLevelIndex));
    if (!leaving_) {
      leaving_ = true;
      a.requestScreen(ScreenId::LevelSelect);
    }
  }
}

std::string GameScreen::playLine(GameStatus status) const {
  std::string line = Application::kPlainTitle;
  if (status == GameStatus::GameOver) return line + " - Game Over";
  const bool complete = status == GameStatus::LevelComplete;
  const int32_t level = complete ? game_.lastSolved.levelIndex : game_.board.levelIndex;
  if (level < 0 || level > kLastLevelIndex) return line;
  const size_t moves = complete ? game_.lastSolved.moves.size() : game_.moves.size();
  line += practice() ? " - Practice - Level " : " - Level ";
  line += std::to_string(level + 1) + (complete ? " - solved in " : " - ") + std::to_string(moves) +
          (moves == 1 ? " move" : " moves") + " - par " + std::to_string(levelPar(level));
  const PersonalRecord& record = app().records().level(level);
  if (record.solved) line += " - best " + std::to_string(record.best());
  return line;
}

std::string GameScreen::movesText(GameStatus status) const {
  const bool complete = status == GameStatus::LevelComplete;
  const int32_t level = complete ? game_.lastSolved.levelIndex : game_.board.levelIndex;
  if (status == GameStatus::GameOver || level < 0 || level > kLastLevelIndex) return {};
  const size_t moves = complete ? game_.lastSolved.moves.size() : game_.moves.size();
  return std::to_string(moves) + " / par " + std::to_string(levelPar(level));
}

void GameScreen::rotate(bool counterClockwise) {
  const RotationStart start = startRotation(game_, counterClockwise);
  if (start == RotationStart::Ignored) return;
  if (start == RotationStart::Started) history_.record(game_);
  if (!practice()) app().settings().gameInProgress = 1;
  if (start == RotationStart::Started && rotationSound_) {
    app().mixer().play(rotationSound_.get(), false, false, kRotationChannel);
  }
}

void GameScreen::keyDown(GameKey key) {
  const int action = findAction(app().settings().keyMap, key);
  // '#' copies a solved puzzle's result, unless the player gave it an action.
  if (key == kKeyHash && action == kNoAction && puzzle_) {
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
  if (puzzle_ && game_.gameOver) {
    // A solved puzzle set up again: its solve is not a step to take back.
    history_.clear();
    puzzle_->restarted();
  } else {
    history_.recordRestart(game_);
  }
  restartLevel(game_);
}

void GameScreen::undo() {
  if (history_.undo(game_)) redrawRequested_ = true;
}

void GameScreen::redo() {
  if (history_.redo(game_)) redrawRequested_ = true;
}

Controls GameScreen::controls() const {
  return puzzle_ ? puzzleGameControls() : gameControls();
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
      if (!game_.gameOver || puzzle_) restart();
      break;
    case kCopyResult:
      if (puzzle_) puzzle_->copyResult();
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

void GameScreen::readSavedGame() {
  if (const std::optional<SavedGame> saved = app().player().readSavedGame()) {
    restoreSavedGame(game_, *saved);
  } else {
    // Nothing playable was kept: a new game, as the new-game screen starts
    // it, but the proof of the levels solved before stays as it is.
    app().settings().gameInProgress = 0;
    startNewGame(game_);
  }
}

void GameScreen::resumeLevelMoves() {
  const int32_t level = game_.board.levelIndex;
  const LevelInProgress& kept = proof_.levelInProgress();
  if (game_.gameOver || kept.empty() ||
      proof_.proof().levels.size() != static_cast<size_t>(level)) {
    return;
  }
  game_.hintUsed = kept.hintUsed;
  // Moves that do not give the saved board leave the level unproven, as
  // when none were kept.
  if (auto moves = resumedLevelMoves(level, kept.moves, game_.board)) {
    game_.moves = std::move(*moves);
  }
}

void GameScreen::writeSavedGame() {
  // A board never set up is not a game: the file keeps the last one.
  if (!game_.board.isSetUp()) return;
  app().player().writeSavedGame(game_.board);
  proof_.keepLevelInProgress(game_.gameOver ? -1 : game_.board.levelIndex,
                             {game_.moves, game_.hintUsed});
}

}  // namespace bt
