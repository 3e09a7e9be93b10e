#pragma once
// A level: the side of its board (5 to 10) and its markers and tiles, each
// at a column and row from 1 in a colour from 1 to 4. The one description of
// a board's start, whatever made it: the built-in table, the puzzle
// generator, a saved game's level. The game sets its Board up from it, the
// search its PuzzleBoard, and every replay plays from it.
#include <cstdint>
#include <memory>
#include <vector>

#include "game/Board.h"

namespace bt {

struct LevelData;

struct Piece {
  int column = 0;
  int row = 0;
  int colour = 0;
  friend bool operator==(const Piece&, const Piece&) = default;
};

struct Level {
  int side = 0;  // 0: no level
  std::vector<Piece> markers;
  std::vector<Piece> tiles;
  friend bool operator==(const Level&, const Level&) = default;
};

// Every piece inside the board's square, in a colour from 1 to 4, on a
// side from 5 to 10: a level the search and a replay can take as it is.
bool isPlayable(const Level& level);

// A level of the built-in table in this form.
Level levelOf(const LevelData& data);
// Built-in level levelIndex (0 to kLevelCount - 1), made once and shared;
// nullptr for any other index.
std::shared_ptr<const Level> builtInLevel(int32_t levelIndex);

// Makes the board an empty playing area of the level's side and places its
// markers, then its tiles, and the cursor at its start; false (and no
// change) for a side outside 5 to 10. levelIndex is untouched.
bool setUpBoard(Board& board, const Level& level);

}  // namespace bt
