#pragma once
// The replies to the world-records paths, one record a line:
//   GET /records/GAME/N   "COUNT NAME", the ten fewest first
//   GET /records/GAME     "LEVEL COUNT NAME", the best of each level that
//                         has one, level 1 first
//   GET /records/GAME/daily
//                         "DATE ID", or "DATE ID COUNT NAME" with its best,
//                         for each of the last 30 days, today first
// where COUNT is the number of moves and DATE is YYYY-MM-DD (UTC). Empty when
// there is none.
#include <string>
#include <vector>

#include "DailyPuzzles.h"
#include "ScoreStore.h"

namespace bt::scored {

std::string formatLevelRecords(const std::vector<MovesEntry>& fewestFirst);
std::string formatLevelBests(const std::vector<LevelBest>& bests);
std::string formatDailyList(const std::vector<DailyPuzzles::Day>& days,
                            const std::vector<PuzzleBest>& bests);

}  // namespace bt::scored
