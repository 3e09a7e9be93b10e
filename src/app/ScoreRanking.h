#pragma once
// How a finished game's score enters the local table, and how the table keeps
// each name's best. Entry 0 is the best; a new score goes above the first
// row that is lower, rows below move down and the last drops out.
#include <cstdint>
#include <string_view>

#include "app/ScoreTable.h"

namespace bt {

// Inserts score at its rank and highlights that row, whose name is
// lastInitials or, when those are empty, the default name. Returns the row,
// or -1 (table unchanged) when score is not higher than the lowest row.
int32_t insertScore(ScoreTable& table, int32_t score);

// A game left with score, having started with scoreOnEnter: inserted only
// when it improved during the game. Returns the row or -1.
int32_t recordGameScore(ScoreTable& table, int32_t scoreOnEnter, int32_t score);

// Stores name in row index (and as lastInitials); then, of the rows with
// that name, only the best stays (the upper one of equal scores), the
// others are removed and default rows fill the table from the bottom. The
// highlight follows the row that stays. Returns its index; -1 when index
// names no row (then only lastInitials changes).
int32_t storeName(ScoreTable& table, int32_t index, std::string_view name);

}  // namespace bt
