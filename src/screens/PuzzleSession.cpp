#include "screens/PuzzleSession.h"

#include <algorithm>

#include "app/Application.h"
#include "gfx/Colour.h"
#include "gfx/Rects.h"
#include "screens/DailyPuzzleSession.h"
#include "screens/GameView.h"
#include "screens/PuzzleEntries.h"
#include "screens/PuzzlePlaces.h"
#include "screens/ScreenControls.h"

namespace bt {
namespace {

constexpr uint16_t kBoxColour = rgb565(40, 30, 22);
constexpr int kResultLines = 4;

std::string movesWord(size_t moves) {
  return std::to_string(moves) + (moves == 1 ? " move" : " moves");
}

}  // namespace

PuzzleSession::PuzzleSession(Application& app, const puzzle::PuzzleSpec& spec)
    : app_(app),
      spec_(spec),
      id_(puzzle::formatPuzzleId(spec)),
      maker_(std::make_unique<PuzzleMaker>(app.platform(), spec)) {}

PuzzleSession::~PuzzleSession() {
  if (showsResult()) app_.platform().offerShareText("");
}

bool PuzzleSession::make(Game& game, HintSearch& hints) {
  if (ready_ || !maker_->frame()) return false;
  puzzle_ = maker_->puzzle();
  maker_.reset();
  if (!startBoard(game, std::make_shared<const Level>(puzzle_.level))) return false;
  hints.knowSolution(game, puzzle_.solution, puzzle_.proven);
  ready_ = true;
  return true;
}

void PuzzleSession::drawMaking(const GameView& view, FrameBuffer& fb, Font& font) const {
  view.drawBoard(fb, Board{});
  view.drawStatus(fb, font, "Making the puzzle");
  const PuzzlePlaces& places = puzzlePlaces(app_.artSet());
  const int32_t x = (fb.width() - places.barWidth) / 2, y = fb.height() / 2 - places.barHeight;
  fillRect(fb, x, y, places.barWidth, places.barHeight, kBoxColour);
  const int percent = maker_ ? maker_->percent() : 100;
  // At least a sliver, so that the bar shows the work has begun.
  const int32_t filled = std::max(2, (places.barWidth - 4) * percent / 100);
  fillRect(fb, x + 2, y + 2, filled, places.barHeight - 4, kTextGrey);
  frameRect(fb, x, y, places.barWidth, places.barHeight, kTextGrey);
  font.setColour(kWhite);
  font.drawTextCentred(y + places.barHeight + 6, title(), fb);
}

std::string PuzzleSession::title() const {
  return "Puzzle " + id_;
}

std::string PuzzleSession::resultName() const {
  return "puzzle " + id_;
}

ScreenRequest PuzzleSession::back() const {
  return ScreenRequest::levelSelect(PuzzleEntries::kRandom, spec_);
}

ScreenRequest PuzzleSession::quit(const Game&) {
  return back();
}

std::string PuzzleSession::parText() const {
  return "par " + std::to_string(puzzle_.par) + (puzzle_.proven ? "" : " (best found)");
}

GameStatus PuzzleSession::settle(Game& game) {
  const GameStatus status = ready_ ? checkSolved(game) : GameStatus::Playing;
  if (status == GameStatus::Solved && result_.empty()) solved(game.lastSolved);
  return status;
}

void PuzzleSession::solved(const SolvedLevel& solve) {
  solvedIn_ = static_cast<int>(solve.moves.size());
  noteSolve(puzzle_, solve);
  result_ = std::string(Application::kPlainTitle) + " " + resultName() + ": " +
            movesWord(solve.moves.size()) + ", par " + std::to_string(puzzle_.par) +
            (solve.hintUsed ? " (with hints)" : "");
  copied_ = false;
  app_.platform().offerShareText(result_);
}

void PuzzleSession::restart(Game& game, UndoHistory& history) {
  if (!game.gameOver) {
    PlaySession::restart(game, history);
    return;
  }
  history.clear();
  if (showsResult()) {
    result_.clear();
    app_.platform().offerShareText("");
  }
  restartLevel(game);
}

std::string PuzzleSession::statusText(const Game&, GameStatus status) const {
  if (!ready_) return "Making the puzzle";
  if (status == GameStatus::Solved) {
    return "Solved in " + std::to_string(solvedIn_) + ", par " + std::to_string(puzzle_.par);
  }
  return title();
}

std::string PuzzleSession::playLine(const Game& game, GameStatus status) const {
  std::string line = std::string(Application::kPlainTitle) + " - " + title();
  if (!ready_) return line + " - making the puzzle";
  const bool solved = status == GameStatus::Solved;
  line += solved ? " - solved in " + movesWord(game.lastSolved.moves.size())
                 : " - " + movesWord(game.moves.size());
  line += " - " + parText();
  if (const auto moves = best()) line += " - best " + std::to_string(*moves);
  return line;
}

std::string PuzzleSession::movesText(const Game& game, GameStatus status) const {
  if (!ready_) return {};
  const size_t moves =
      status == GameStatus::Solved ? game.lastSolved.moves.size() : game.moves.size();
  return std::to_string(moves) + " / par " + std::to_string(puzzle_.par);
}

bool PuzzleSession::copyResult() {
  if (result_.empty()) return false;
  copied_ = app_.platform().copyText(result_);
  return copied_;
}

void PuzzleSession::drawOver(FrameBuffer& fb, Font& font) const {
  if (!showsResult()) return;
  const PuzzlePlaces& places = puzzlePlaces(app_.artSet());
  const int32_t pitch = font.linePitch();
  const int32_t width = places.resultWidth,
                height = kResultLines * pitch + 2 * places.resultPadding;
  const int32_t x = (fb.width() - width) / 2, y = fb.height() / 2 - height / 2;
  fillRect(fb, x, y, width, height, kBoxColour);
  frameRect(fb, x, y, width, height, kTextGrey);
  std::string par = parText();
  if (const auto moves = best()) par += ", best " + std::to_string(*moves);
  const std::string lines[kResultLines] = {
      title(), "Solved in " + movesWord(static_cast<size_t>(solvedIn_)), par,
      copied_ ? "Copied to the clipboard" : "C or # copies the result"};
  font.setColour(kWhite);
  for (int i = 0; i < kResultLines; ++i) {
    font.drawTextCentred(y + places.resultPadding + i * pitch, lines[i], fb);
  }
}

Controls PuzzleSession::controls() const {
  return puzzleGameControls();
}

std::shared_ptr<PlaySession> puzzleSession(Application& app, const puzzle::PuzzleSpec& spec) {
  const DailyPuzzleSession::Day today = DailyPuzzleSession::today(app);
  if (today.spec == spec) return std::make_shared<DailyPuzzleSession>(app, today);
  return std::make_shared<PuzzleSession>(app, spec);
}

}  // namespace bt
