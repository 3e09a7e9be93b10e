#pragma once
// The tables as one plain HTML page, drawn on the server so that it needs no
// script and reads on a phone: the ten best scores of the game, then every
// level with its par (the length of its recorded solution) and its world
// record where it has one.
#include <string>
#include <vector>

#include "ScoreStore.h"

namespace bt::scored {

std::string renderScoresPage(const std::vector<ScoreEntry>& topTen,
                             const std::vector<LevelBest>& bests);

}  // namespace bt::scored
