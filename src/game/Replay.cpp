#include "game/Replay.h"

#include "game/PuzzleBoard.h"

namespace bt {

bool replaySolves(const Level& level, std::string_view moves) {
  if (moves.empty() || !isPlayable(level)) return false;
  const puzzle::PuzzleBoard board(level);
  puzzle::Position position = board.start();
  for (size_t i = 0; i < moves.size(); ++i) {
    if (!board.apply(position, moves[i])) return false;
    // Only a turn can solve the board.
    if (isTurnLetter(moves[i]) && board.solved(position)) return i + 1 == moves.size();
  }
  return false;
}

bool replaySolvesLevel(int32_t levelIndex, std::string_view moves) {
  const auto level = builtInLevel(levelIndex);
  return level != nullptr && replaySolves(*level, moves);
}

}  // namespace bt
