#include "game/HintSearch.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "game/GamePuzzle.h"
#include "game/HintCache.h"
#include "game/LevelData.h"
#include "game/LevelTable.h"
#include "game/Solver.h"

namespace bt {

namespace {

using puzzle::Position;

constexpr int kNoLength = std::numeric_limits<int>::max();
constexpr double kQuickWeight = 2.0;
constexpr double kRoughWeight = 5.0;

// The cursor letters that move the cursor from one place to another.
std::string cursorMoves(int fromX, int fromY, int toX, int toY) {
  std::string moves;
  for (; fromX < toX; ++fromX) moves += kRight;
  for (; fromX > toX; --fromX) moves += kLeft;
  for (; fromY < toY; ++fromY) moves += kDown;
  for (; fromY > toY; --fromY) moves += kUp;
  return moves;
}

bool sameTiles(const Board& a, const Board& b) {
  if (a.side != b.side) return false;
  for (int y = 0; y < kBoardColumns; ++y) {
    for (int x = 0; x < kBoardColumns; ++x) {
      if (a.tile(x, y) != b.tile(x, y)) return false;
    }
  }
  return true;
}

}  // namespace

struct HintSearch::Level {
  explicit Level(const Game& game)
      : tiles(game.board), board(puzzleLevelOf(game)), solver(board, false) {}

  Board tiles;  // the level's board when it was set up: its side, index and tiles
  puzzle::PuzzleBoard board;
  puzzle::Solver solver;
  puzzle::HintCache cache;
};

HintSearch::HintSearch(const HintLimits& limits) : limits_(limits) {}
HintSearch::~HintSearch() = default;

HintSearch::Level& HintSearch::levelOf(const Game& game) {
  if (level_ && level_->tiles.levelIndex == game.board.levelIndex &&
      sameTiles(level_->tiles, game.board)) {
    return *level_;
  }
  pending_ = Pending{};
  level_ = std::make_unique<Level>(game);
  // The recorded solution, where the board holds the level's own tiles.
  Game start;
  start.board.levelIndex = game.board.levelIndex;
  const auto solutions = levelSolutions();
  if (LevelTable::loadLevel(start.board, game.board.levelIndex) &&
      sameTiles(start.board, game.board)) {
    level_->cache.add(level_->board, puzzlePositionOf(start),
                      solutions[static_cast<size_t>(game.board.levelIndex)], false);
  }
  return *level_;
}

Hint HintSearch::ask(const Game& game, std::span<const UndoHistory::MadeTurn> turnsSinceRestart) {
  solution_.clear();
  if (!game.board.isSetUp() || game.gameOver) return {};
  Level& level = levelOf(game);
  wanted_ = true;
  const Position position = puzzlePositionOf(game);
  if (level.board.solved(position)) return {};
  if (!pending_.asked || pending_.position != position) {
    startPending(position, turnsSinceRestart);
    // Nothing known: search now.
    if (pending_.stage == Stage::Quick) run(limits_.answerNodes);
  }
  return answer();
}

void HintSearch::knowSolution(const Game& game, std::string_view moves, bool shortest) {
  if (!game.board.isSetUp()) return;
  Level& level = levelOf(game);
  level.cache.add(level.board, puzzlePositionOf(game), moves, shortest);
}

void HintSearch::prepare(const Game& game) {
  if (!game.board.isSetUp()) return;
  wanted_ = true;
  Level& level = levelOf(game);
  while (level.solver.buildNextTable()) {
  }
}

bool HintSearch::busy() const {
  if (!wanted_ || !level_) return false;
  return !level_->solver.tablesBuilt() || (pending_.asked && pending_.stage != Stage::Done);
}

bool HintSearch::work(const Game& game, uint64_t nodes) {
  if (!wanted_ || !game.board.isSetUp() || game.gameOver) return false;
  Level& level = levelOf(game);
  if (!level.solver.tablesBuilt()) {
    level.solver.buildNextTable();
    return false;
  }
  if (pending_.stage == Stage::Done) return false;
  if (puzzlePositionOf(game) != pending_.position) {
    pending_.stage = Stage::Done;  // the hint asked for is gone
    return false;
  }
  return run(nodes);
}

void HintSearch::startPending(const Position& position,
                              std::span<const UndoHistory::MadeTurn> turnsSinceRestart) {
  Level& level = *level_;
  pending_ = Pending{};
  pending_.asked = true;
  pending_.position = position;
  if (const puzzle::HintCache::Entry* entry = level.cache.find(position)) {
    pending_.best = level.cache.movesFrom(level.board, position);
    pending_.shortest = entry->shortest;
    pending_.stage = entry->shortest ? Stage::Done : Stage::Exact;
    return;
  }
  pending_.best = wayBack(position, turnsSinceRestart);
  if (!pending_.best.empty()) level.cache.add(level.board, position, pending_.best, false);
  pending_.stage = Stage::Quick;
}

std::string HintSearch::wayBack(const Position& position,
                                std::span<const UndoHistory::MadeTurn> turns) const {
  const Level& level = *level_;
  const puzzle::PuzzleBoard& board = level.board;
  int bestLength = kNoLength;
  std::string bestBack;
  Position bestTarget;
  Position back = position;
  std::string backMoves;
  auto consider = [&] {
    for (const puzzle::HintCache::Known& known : level.cache.withMarkers(back)) {
      const int length = static_cast<int>(backMoves.size()) +
                         std::abs(known.cursorX - back.cursorX) +
                         std::abs(known.cursorY - back.cursorY) + known.entry.keysLeft;
      if (length < bestLength) {
        bestLength = length;
        bestBack = backMoves;
        bestTarget = back;
        bestTarget.cursorX = known.cursorX;
        bestTarget.cursorY = known.cursorY;
      }
    }
  };
  consider();
  const size_t oldest = turns.size() > kMostTurnsBack ? turns.size() - kMostTurnsBack : 0;
  for (size_t i = turns.size(); i-- > oldest;) {
    const UndoHistory::MadeTurn& turn = turns[i];
    const std::string moves = cursorMoves(back.cursorX, back.cursorY, turn.cursorX, turn.cursorY) +
                              (turn.counterClockwise ? kTurnRight : kTurnLeft);
    if (!board.play(back, moves)) break;  // not a ring of this board
    backMoves += moves;
    consider();
  }
  if (bestLength == kNoLength) return {};
  Position target = position;
  board.play(target, bestBack);
  return bestBack +
         cursorMoves(target.cursorX, target.cursorY, bestTarget.cursorX, bestTarget.cursorY) +
         level.cache.movesFrom(board, bestTarget);
}

bool HintSearch::takeSolution(const std::string& moves, bool shortest) {
  const bool better = pending_.best.empty() || moves.size() < pending_.best.size() ||
                      (moves.size() == pending_.best.size() && shortest && !pending_.shortest);
  if (!better) return false;
  if (!level_->cache.add(level_->board, pending_.position, moves, shortest)) return false;
  pending_.best = moves;
  pending_.shortest = shortest;
  return true;
}

bool HintSearch::run(uint64_t nodes) {
  puzzle::Solver& solver = level_->solver;
  const Position& position = pending_.position;
  bool better = false;
  while (nodes > 0 && pending_.stage != Stage::Done) {
    const Stage stage = pending_.stage;
    if (stage == Stage::Rough && !pending_.best.empty()) {
      pending_.stage = Stage::Exact;  // the quick search found one
      continue;
    }
    if (!pending_.begun) {
      const double weight =
          stage == Stage::Quick ? kQuickWeight : (stage == Stage::Rough ? kRoughWeight : 1.0);
      const int costBelow =
          pending_.best.empty() ? 1 << 30 : static_cast<int>(pending_.best.size());
      solver.beginSearch(position, {weight, limits_.answerNodes, costBelow, true, false});
      pending_.begun = true;
      pending_.stageNodes = 0;
      const uint64_t most = limits_.mostNodes;
      pending_.stageLimit =
          stage == Stage::Exact ? most - std::min(most, pending_.nodes) : limits_.answerNodes / 4;
    }
    const uint64_t piece = std::min(nodes, pending_.stageLimit - pending_.stageNodes);
    const puzzle::SearchOutcome outcome = solver.continueSearch(piece);
    const uint64_t searched = outcome.complete ? outcome.nodes : outcome.nodes - 1;
    const uint64_t spent = searched - pending_.stageNodes;
    pending_.stageNodes = searched;
    pending_.nodes += spent;
    nodes -= std::min(nodes, spent);
    const bool exact = stage == Stage::Exact && outcome.complete;
    if (outcome.turns) {
      better |= takeSolution(
          puzzle::movesForTurns(*outcome.turns, position.cursorX, position.cursorY), exact);
    } else if (exact && !pending_.best.empty()) {
      better |= takeSolution(pending_.best, true);  // nothing shorter exists
    }
    if (outcome.complete || pending_.stageNodes >= pending_.stageLimit) {
      pending_.stage = stage == Stage::Exact ? Stage::Done : static_cast<Stage>(int(stage) + 1);
      pending_.begun = false;
    }
  }
  return better;
}

Hint HintSearch::answer() {
  const std::string& moves = pending_.best;
  solution_ = moves;
  if (moves.empty()) return {};
  Hint hint;
  hint.key = moves.front();
  hint.keys = static_cast<int>(moves.size());
  hint.shortest = pending_.shortest;
  Position at = pending_.position;
  for (char move : moves) {
    if (move == kTurnLeft || move == kTurnRight) {
      hint.ringX = static_cast<uint8_t>(at.cursorX);
      hint.ringY = static_cast<uint8_t>(at.cursorY);
      hint.counterClockwise = move == kTurnLeft;
      break;
    }
    level_->board.apply(at, move);
  }
  return hint;
}

}  // namespace bt
