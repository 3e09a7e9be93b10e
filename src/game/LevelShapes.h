#pragma once
// The side and the number of marker and tile pairs of every built-in level:
// what the level designer keeps for each level and what the tests check the
// level table against.
#include <array>
#include <cstdint>

#include "game/LevelData.h"

namespace bt {

struct LevelShape {
  uint8_t side;
  uint8_t pairs;
};

// Level 1 first.
inline constexpr std::array<LevelShape, kLevelCount> kLevelShapes = {{
    {10, 4}, {10, 4},  {9, 3},  {10, 8}, {9, 8},  {9, 9},  {8, 8},   {8, 4},   {8, 7},
    {7, 6},  {7, 9},   {6, 4},  {9, 8},  {8, 10}, {7, 5},  {10, 16}, {7, 5},   {10, 16},
    {8, 8},  {10, 16}, {9, 10}, {9, 12}, {9, 16}, {8, 12}, {8, 12},  {10, 11}, {8, 14},
    {7, 9},  {6, 4},   {7, 9},  {7, 21}, {9, 3},  {8, 4},  {8, 6},   {8, 5},   {9, 4},
    {9, 3},  {9, 5},   {8, 8},  {6, 4},  {5, 5},  {9, 4},  {8, 8},   {8, 6},   {8, 6},
    {5, 4},  {5, 8},   {7, 6},  {9, 6},  {5, 4},  {10, 8}, {10, 8},  {6, 6},   {5, 6},
    {9, 8},  {9, 5},   {10, 6}, {6, 4},  {9, 8},  {6, 8},  {6, 16},  {6, 8},   {5, 5},
    {6, 8},  {5, 5},   {7, 9},  {7, 8},  {7, 8},  {7, 6},  {7, 20},  {7, 16},  {7, 25},
}};

}  // namespace bt
