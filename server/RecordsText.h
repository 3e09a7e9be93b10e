#pragma once
// The replies to the world-records paths, one record a line:
//   GET /records/GAME/N   "COUNT NAME", the ten fewest first
//   GET /records/GAME     "LEVEL COUNT NAME", the best of each level that
//                         has one, level 1 first
// where COUNT is the number of moves. Empty when there is none.
#include <string>
#include <vector>

#include "ScoreStore.h"

namespace bt::scored {

std::string formatLevelRecords(const std::vector<MovesEntry>& fewestFirst);
std::string formatLevelBests(const std::vector<LevelBest>& bests);

}  // namespace bt::scored
