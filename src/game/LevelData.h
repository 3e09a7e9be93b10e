#pragma once
// The built-in levels as data: side, markers and tiles as (column, row,
// colour) with column and row from 1 and colour from 1 to 4, and a shortest
// known solution for each.
#include <cstdint>
#include <span>
#include <string_view>

namespace bt {

struct LevelPiece {
  uint8_t column, row, colour;  // column, row 1..side; colour 1..4
};

struct LevelData {
  uint8_t side;
  std::span<const LevelPiece> markers;
  std::span<const LevelPiece> tiles;
};

inline constexpr int kLevelCount = 72;

// The levels in play order (level 1 first).
std::span<const LevelData> builtInLevels();

// A shortest known solution per level, from the level's start: 'U' 'D' 'L'
// 'R' move the cursor, '<' rotates left (counter-clockwise), '>' rotates
// right (clockwise).
std::span<const std::string_view> levelSolutions();
// Per level, whether the level tool's solver proved that solution shortest.
std::span<const bool> levelSolutionsProven();

}  // namespace bt
