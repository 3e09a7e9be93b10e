#include "game/GameProof.h"

#include <algorithm>
#include <cstdlib>

#include "game/LevelTable.h"
#include "game/Rules.h"

namespace bt {

namespace {

bool isProofKey(char c) {
  return cursorMoveOf(c).has_value() || c == '<' || c == '>';
}

bool startLevel(Game& game, int32_t levelIndex) {
  game = Game{};
  game.board.levelIndex = levelIndex;
  return LevelTable::loadLevel(game.board, levelIndex);
}

void appendStraightPath(std::string& out, int fromX, int fromY, int toX, int toY) {
  out.append(static_cast<size_t>(std::abs(toX - fromX)), toX < fromX ? 'L' : 'R');
  out.append(static_cast<size_t>(std::abs(toY - fromY)), toY < fromY ? 'U' : 'D');
}

}  // namespace

bool replaySolvesLevel(int32_t levelIndex, std::string_view moves) {
  Game game;
  if (moves.empty() || !startLevel(game, levelIndex)) return false;
  for (size_t i = 0; i < moves.size(); ++i) {
    if (!playMove(game, moves[i])) return false;
    // Only a turn can solve the board; the game ends the level at once then.
    if (!cursorMoveOf(moves[i]) && isSolved(game.board)) return i + 1 == moves.size();
  }
  return false;
}

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

std::optional<GameProof> parseProof(std::string_view text, std::string* why) {
  auto refuse = [why](std::string reason) -> std::optional<GameProof> {
    if (why) *why = std::move(reason);
    return std::nullopt;
  };
  GameProof proof;
  if (text.empty()) return proof;
  if (text.size() > kMaxProofTextBytes) return refuse("the proof is over its size");
  size_t start = 0;
  while (true) {
    const size_t end = std::min(text.find(kProofLevelSeparator, start), text.size());
    const std::string_view moves = text.substr(start, end - start);
    const std::string level = std::to_string(proof.levels.size() + 1);
    if (proof.levels.size() == static_cast<size_t>(kLevelCount)) {
      return refuse("the proof has more levels than the game");
    }
    if (moves.empty()) return refuse("level " + level + " has no moves");
    if (moves.size() > kMaxProofKeysPerLevel) {
      return refuse("level " + level + " has over " + std::to_string(kMaxProofKeysPerLevel) +
                    " moves");
    }
    for (char c : moves) {
      if (!isProofKey(c)) return refuse("level " + level + " has a byte outside U D L R < >");
    }
    proof.levels.emplace_back(moves);
    if (end == text.size()) return proof;
    start = end + 1;
  }
}

std::string shortenCursorRuns(int32_t levelIndex, std::string_view moves) {
  Game game;
  if (!startLevel(game, levelIndex)) return std::string(moves);
  std::string out;
  int runX = game.board.cursorX, runY = game.board.cursorY;
  for (char move : moves) {
    if (cursorMoveOf(move)) {
      playMove(game, move);
      continue;
    }
    if (!isProofKey(move)) continue;
    appendStraightPath(out, runX, runY, game.board.cursorX, game.board.cursorY);
    if (playMove(game, move)) out += move;
    runX = game.board.cursorX;
    runY = game.board.cursorY;
  }
  appendStraightPath(out, runX, runY, game.board.cursorX, game.board.cursorY);
  return out;
}

}  // namespace bt
