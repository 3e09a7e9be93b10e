#pragma once
// What brambletop-levels writes: the game's level table and solutions as C++
// sources, and a level as a small picture.
#include <string>
#include <vector>

#include "levels/LevelDesigner.h"
#include "levels/PuzzleNames.h"

namespace bt::levels {

// One line per row of the board; each cell is its marker's colour (1 to 4,
// or '.') then its tile's colour (A to D for 1 to 4, or '.'); the four cut
// corners are blank.
std::vector<std::string> levelPicture(const Level& level);

// The colours (1 to 4) a level uses, in order.
std::vector<int> coloursOf(const Level& level);

std::string levelDataSource(const std::vector<DesignedLevel>& levels);
std::string levelSolutionsSource(const std::vector<DesignedLevel>& levels);

// The colours a level uses, as "1 2 4".
std::string colourText(const Level& level);

}  // namespace bt::levels
