#include "game/LevelData.h"

#include <array>

namespace bt {

namespace {

constexpr LevelPiece kMarkers1[] = {{2, 2, 1}, {3, 3, 2}, {4, 4, 3}, {5, 5, 4}};
constexpr LevelPiece kTiles1[] = {{3, 2, 1}, {4, 3, 2}, {5, 4, 3}, {6, 5, 4}};

constexpr LevelPiece kMarkers2[] = {{4, 2, 1}, {7, 2, 2}, {5, 9, 3}, {6, 9, 4}};
constexpr LevelPiece kTiles2[] = {{3, 3, 1}, {8, 3, 2}, {3, 8, 3}, {8, 8, 4}};

constexpr LevelPiece kMarkers3[] = {{9, 5, 2}, {9, 6, 4}, {9, 7, 1}};
constexpr LevelPiece kTiles3[] = {{9, 2, 1}, {9, 3, 2}, {9, 4, 4}};

constexpr std::array kLevels = {
    LevelData{10, kMarkers1, kTiles1},
    LevelData{10, kMarkers2, kTiles2},
    LevelData{9, kMarkers3, kTiles3},
};

}  // namespace

std::span<const LevelData> builtInLevels() {
  return kLevels;
}

}  // namespace bt
