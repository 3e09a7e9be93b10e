#pragma once
// The tables as one plain HTML page, drawn on the server so that it needs no
// script and reads on a phone: the ten best scores of the game, the daily
// puzzles given (today's and yesterday's) with their par, how many players
// reached each number of moves and the first to reach the fewest, then every
// level with its par (the length of its recorded solution), its fewest moves,
// how many players hold them and how many took more, and the first to reach
// them. Records rank no one: a proof shows the moves solve the board, not who
// found them.
#include <string>
#include <vector>

#include "ScoreStore.h"
#include "game/DailyPuzzle.h"

namespace bt::scored {

// What the page may load: nothing but its own inline style. It has no
// script, no form and no picture, and is not to be framed.
inline constexpr const char* kScoresPagePolicy =
    "default-src 'none'; style-src 'unsafe-inline'; base-uri 'none'; form-action 'none'; "
    "frame-ancestors 'none'";

struct DailyTable {
  std::string day;  // "Today's", "Yesterday's"
  puzzle::CivilDate date;
  std::string id;
  int par = 0;          // 0 when the puzzle could not be made
  bool proven = false;  // par is the shortest
  RecordsTable records;
};

std::string renderScoresPage(const std::vector<ScoreEntry>& topTen,
                             const std::vector<DailyTable>& daily,
                             const std::vector<LevelBest>& bests);

}  // namespace bt::scored
