#pragma once
// The replies to the world-records paths, as net/protocol/RecordsProtocol.h
// gives them:
//   GET /records/GAME/N   a level's table (or a puzzle's): the first names to
//                         reach its fewest moves, then how many names hold
//                         each count and how many solved it
//   GET /records/GAME     each level's fewest moves and the first name to
//                         reach them, then how many hold them and solved it
//   GET /records/GAME/daily
//                         each of the last 30 days with its best, then the
//                         same counts
// Empty when there is none. A name that a record could not have come in with
// (one written into the database by anything else) is left out, so that no
// line can be forged.
#include <string>
#include <vector>

#include "DailyPuzzles.h"
#include "ScoreStore.h"

namespace bt::scored {

std::string formatRecordsTable(const RecordsTable& table);
// At most kMaxLevelBestsReplyBytes: the "players" lines that would pass it
// are left out.
std::string formatLevelBests(const std::vector<LevelBest>& bests);
std::string formatDailyList(const std::vector<DailyPuzzles::Day>& days,
                            const std::vector<PuzzleBest>& bests);

}  // namespace bt::scored
