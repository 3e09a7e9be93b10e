#include "game/GameProof.h"

#include <cstdlib>
#include <unordered_map>

#include "game/LevelTable.h"
#include "game/Rules.h"

namespace bt {

namespace {

bool setUpLevel(Game& game, int32_t levelIndex) {
  game = Game{};
  game.board.levelIndex = levelIndex;
  return LevelTable::loadLevel(game.board, levelIndex);
}

void appendStraightPath(std::string& out, int fromX, int fromY, int toX, int toY) {
  out.append(static_cast<size_t>(std::abs(toX - fromX)), toX < fromX ? 'L' : 'R');
  out.append(static_cast<size_t>(std::abs(toY - fromY)), toY < fromY ? 'U' : 'D');
}

std::string arrangementOf(const Board& board) {
  return std::string(reinterpret_cast<const char*>(board.cells.data()), board.cells.size());
}

// One accepted turn of a shortened play: where the cursor stood and which way.
struct Turn {
  uint8_t cursorX, cursorY;
  char move;
  std::string arrangement;  // the board after it
};

}  // namespace

std::optional<ProofRefusal> checkProof(const GameProof& proof) {
  if (proof.levels.size() > static_cast<size_t>(kLevelCount)) {
    return ProofRefusal{"the proof has more levels than the game"};
  }
  for (size_t i = 0; i < proof.levels.size(); ++i) {
    if (!replaySolvesLevel(static_cast<int32_t>(i), proof.levels[i])) {
      return ProofRefusal{"the moves of level " + std::to_string(i + 1) + " do not solve it"};
    }
  }
  return std::nullopt;
}

std::string formatProof(const GameProof& proof) {
  std::string text;
  for (size_t i = 0; i < proof.levels.size(); ++i) {
    if (i > 0) text += kProofLevelSeparator;
    text += proof.levels[i];
  }
  return text;
}

ParsedProof parseProof(std::string_view text) {
  auto refuse = [](std::string reason) { return ParsedProof{std::nullopt, std::move(reason)}; };
  GameProof proof;
  if (text.empty()) return {proof, {}};
  if (text.size() > kMaxProofTextBytes) {
    return refuse("the proof is over " + std::to_string(kMaxProofTextBytes) + " bytes");
  }
  size_t start = 0;
  for (;;) {
    const size_t separator = text.find(kProofLevelSeparator, start);
    const size_t end = separator == std::string_view::npos ? text.size() : separator;
    const std::string_view moves = text.substr(start, end - start);
    if (proof.levels.size() == static_cast<size_t>(kLevelCount)) {
      return refuse("the proof has more levels than the game");
    }
    const std::string level = "level " + std::to_string(proof.levels.size() + 1);
    if (moves.empty()) return refuse(level + " has no moves");
    if (moves.size() > kMaxProofKeysPerLevel) {
      return refuse(level + " has over " + std::to_string(kMaxProofKeysPerLevel) + " moves");
    }
    for (char c : moves) {
      if (!isMoveLetter(c)) return refuse(level + " has a byte outside U D L R < >");
    }
    proof.levels.emplace_back(moves);
    if (end == text.size()) return {std::move(proof), {}};
    start = end + 1;
  }
}

std::string shortenLevelMoves(int32_t levelIndex, std::string_view moves) {
  Game game;
  if (!setUpLevel(game, levelIndex)) return std::string(moves);
  const uint8_t startX = game.board.cursorX, startY = game.board.cursorY;
  std::vector<Turn> turns;
  // Each arrangement reached, with the number of turns kept when it was.
  std::unordered_map<std::string, size_t> reached{{arrangementOf(game.board), 0}};
  for (char move : moves) {
    const uint8_t x = game.board.cursorX, y = game.board.cursorY;
    if (!playMove(game, move) || cursorMoveOf(move)) continue;
    std::string arrangement = arrangementOf(game.board);
    if (const auto seen = reached.find(arrangement); seen != reached.end()) {
      // Back where the play was: the turns since then changed nothing.
      for (size_t i = seen->second; i < turns.size(); ++i) reached.erase(turns[i].arrangement);
      turns.resize(seen->second);
      continue;
    }
    reached.emplace(arrangement, turns.size() + 1);
    turns.push_back({x, y, move, std::move(arrangement)});
  }
  std::string out;
  int atX = startX, atY = startY;
  for (const Turn& turn : turns) {
    appendStraightPath(out, atX, atY, turn.cursorX, turn.cursorY);
    out += turn.move;
    atX = turn.cursorX;
    atY = turn.cursorY;
  }
  appendStraightPath(out, atX, atY, game.board.cursorX, game.board.cursorY);
  return out;
}

std::optional<std::string> resumedLevelMoves(int32_t levelIndex, std::string_view played,
                                             const Board& continued) {
  Game game;
  if (!setUpLevel(game, levelIndex) || continued.levelIndex != levelIndex) return std::nullopt;
  for (size_t i = 0; i < played.size(); ++i) {
    if (!playMove(game, played[i])) return std::nullopt;
    // A board solved before the end would have taken the game on.
    if (i + 1 < played.size() && !cursorMoveOf(played[i]) && isSolved(game.board)) {
      return std::nullopt;
    }
  }
  if (game.board.side != continued.side || game.board.cells != continued.cells) return std::nullopt;
  std::string moves(played);
  if (!isSolved(game.board)) {
    appendStraightPath(moves, game.board.cursorX, game.board.cursorY, continued.cursorX,
                       continued.cursorY);
  }
  return moves;
}

}  // namespace bt
