#include "screens/PuzzlePlay.h"

#include <algorithm>

#include "app/Application.h"
#include "gfx/Colour.h"
#include "gfx/Rects.h"
#include "screens/GameView.h"
#include "screens/PuzzleEntries.h"
#include "screens/PuzzlePlaces.h"

namespace bt {
namespace {

constexpr uint16_t kBoxColour = rgb565(40, 30, 22);
constexpr int kResultLines = 4;

// The board of a made puzzle, set up as a level's: markers, then tiles.
Board boardOf(const puzzle::Level& level) {
  Board board;
  resetBoard(board, static_cast<uint8_t>(level.side));
  for (const puzzle::Piece& marker : level.markers) {
    placeMarker(board, marker.column, marker.row, marker.colour);
  }
  for (const puzzle::Piece& tile : level.tiles)
    placeTile(board, tile.column, tile.row, tile.colour);
  return board;
}

std::string movesWord(size_t moves) {
  return std::to_string(moves) + (moves == 1 ? " move" : " moves");
}

}  // namespace

PuzzlePlay::PuzzlePlay(Application& app, PuzzleChoice choice)
    : app_(app),
      choice_(std::move(choice)),
      id_(puzzle::formatPuzzleId(choice_.spec)),
      maker_(std::make_unique<PuzzleMaker>(app.platform(), choice_.spec)) {}

PuzzlePlay::~PuzzlePlay() {
  if (showsResult()) app_.platform().offerShareText("");
}

bool PuzzlePlay::make(Game& game, HintSearch& hints) {
  if (ready_ || !maker_->frame()) return false;
  puzzle_ = maker_->puzzle();
  maker_.reset();
  if (!startPuzzle(game, boardOf(puzzle_.level))) return false;
  hints.knowSolution(game, puzzle_.solution, puzzle_.proven);
  ready_ = true;
  return true;
}

void PuzzlePlay::drawMaking(const GameView& view, FrameBuffer& fb, Font& font) const {
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

std::string PuzzlePlay::title() const {
  return choice_.daily() ? "Daily " + choice_.date : "Puzzle " + id_;
}

std::string PuzzlePlay::parText() const {
  return "par " + std::to_string(puzzle_.par) + (puzzle_.proven ? "" : " (best found)");
}

std::string PuzzlePlay::statusText(const Game& game, GameStatus status) const {
  (void)game;
  if (!ready_) return "Making the puzzle";
  if (status == GameStatus::PuzzleSolved) {
    return "Solved in " + std::to_string(solvedIn_) + ", par " + std::to_string(puzzle_.par);
  }
  return title();
}

std::string PuzzlePlay::playLine(const Game& game, GameStatus status) const {
  std::string line = std::string(Application::kPlainTitle) + " - " + title();
  if (!ready_) return line + " - making the puzzle";
  const bool solved = status == GameStatus::PuzzleSolved;
  line += solved ? " - solved in " + movesWord(game.lastSolved.moves.size())
                 : " - " + movesWord(game.moves.size());
  line += " - " + parText();
  if (choice_.daily()) {
    const DailyBest* day = app_.daily().day(choice_.date);
    if (day != nullptr && day->solved) line += " - best " + std::to_string(day->best());
  }
  return line;
}

std::string PuzzlePlay::movesText(const Game& game, GameStatus status) const {
  if (!ready_) return {};
  const size_t moves =
      status == GameStatus::PuzzleSolved ? game.lastSolved.moves.size() : game.moves.size();
  return std::to_string(moves) + " / par " + std::to_string(puzzle_.par);
}

void PuzzlePlay::solved(const Game& game) {
  const SolvedLevel& solve = game.lastSolved;
  if (!ready_ || solve.levelIndex != kPuzzleLevelIndex || !result_.empty()) return;
  solvedIn_ = static_cast<int>(solve.moves.size());
  if (choice_.daily() && app_.daily().noteSolve(choice_.date, id_, puzzle_.level, puzzle_.par,
                                                solve.moves, solve.hintUsed)) {
    app_.writeDaily();
  }
  result_ = std::string(Application::kPlainTitle) +
            (choice_.daily() ? " daily " + choice_.date : " puzzle " + id_) + ": " +
            movesWord(solve.moves.size()) + ", par " + std::to_string(puzzle_.par) +
            (solve.hintUsed ? " (with hints)" : "");
  copied_ = false;
  app_.platform().offerShareText(result_);
}

void PuzzlePlay::restarted() {
  if (!showsResult()) return;
  result_.clear();
  app_.platform().offerShareText("");
}

bool PuzzlePlay::copyResult() {
  if (result_.empty()) return false;
  copied_ = app_.platform().copyText(result_);
  return copied_;
}

void PuzzlePlay::drawResult(FrameBuffer& fb, Font& font) const {
  if (!showsResult()) return;
  const PuzzlePlaces& places = puzzlePlaces(app_.artSet());
  const int32_t pitch = font.linePitch();
  const int32_t width = places.resultWidth,
                height = kResultLines * pitch + 2 * places.resultPadding;
  const int32_t x = (fb.width() - width) / 2, y = fb.height() / 2 - height / 2;
  fillRect(fb, x, y, width, height, kBoxColour);
  frameRect(fb, x, y, width, height, kTextGrey);
  std::string par = parText();
  if (choice_.daily()) {
    const DailyBest* day = app_.daily().day(choice_.date);
    if (day != nullptr && day->solved) par += ", best " + std::to_string(day->best());
  }
  const std::string lines[kResultLines] = {
      title(), "Solved in " + movesWord(static_cast<size_t>(solvedIn_)), par,
      copied_ ? "Copied to the clipboard" : "C or # copies the result"};
  font.setColour(kWhite);
  for (int i = 0; i < kResultLines; ++i) {
    font.drawTextCentred(y + places.resultPadding + i * pitch, lines[i], fb);
  }
}

int PuzzlePlay::entry() const {
  return choice_.daily() ? PuzzleEntries::kDaily : PuzzleEntries::kRandom;
}

}  // namespace bt
