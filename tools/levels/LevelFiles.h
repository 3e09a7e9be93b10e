#pragma once
// What brambletop-levels writes: the game's level table and solutions as C++
// sources, the table of levels for people (docs/levels.md), and a level as a
// small picture.
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
std::string levelsReport(const std::vector<DesignedLevel>& levels);

// The median par of each chapter's ordinary levels (LevelCriteria.h), the
// first chapter first; `pars` holds each level's par, level 1 first.
std::vector<int> chapterMedians(const std::vector<int>& pars);

}  // namespace bt::levels
