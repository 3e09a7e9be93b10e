#pragma once
// Designs a level whose one colour has more pairs than the cells that are not
// its tiles (the last level), so that every such cell starts with a marker
// and the rest of the markers stand on tiles. Scrambling the solved board
// fills all those cells only after long scrambles, whose pars the solver
// cannot prove; here the solution comes first (FillingTurns.h): a short
// sequence of overlapping turns whose cycles can hold every cell without a
// tile, then the tiles on the other cells and the markers where the sequence
// brings them onto the tiles. The candidates are screened by the solver in a
// fixed order, the longest sequences first; the first whose par it proves at
// the top of the wanted window within its budget, with the markers in each
// other's way (wantedMargin), is kept, else the one nearest to it. The same
// plan always gives the same level.
#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "levels/FillingTurns.h"

namespace bt::levels {

// Markers of one colour, as many as its tiles, outnumber the cells of the
// board that are not those tiles.
bool crowdsItsBoard(int side, int pairs);

struct FilledPlan {
  int side = 0;
  int pairs = 0;
  int colour = 1;  // of every tile and marker, 1 to 4
  int lowPar = 0;  // the pars wanted, highPar preferred
  int highPar = 0;
  uint64_t nodeBudget = 0;  // the solver's for each candidate's proof
};

// The level that the sequence solves: the cells it leaves without a tile
// drawn from its cycles (no two in a row on one, as many as the plan's
// pairs leave; `seed` picks which), tiles on all the others, and a marker on
// every cell whose marker the sequence carries onto a tile.
Level filledLayout(const FillingTurns& sequence, const FilledPlan& plan, uint32_t seed);

struct FilledDesign {
  Level level;
  std::string solution;  // proven shortest
  int turns = 0;         // of the sequence the level was made from
  int attempts = 0;      // candidates screened, the kept one's included
};

// The level, or nullopt when no candidate meets the plan; `shapes` are the
// canonicalShape of the levels it must differ from.
std::optional<FilledDesign> designFilledBoard(const FilledPlan& plan,
                                              const std::set<std::string>& shapes);

}  // namespace bt::levels
