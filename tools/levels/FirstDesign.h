#pragma once
// The levels as first designed, before the redesign to the published
// criteria: while the generation cache does not hold all the levels yet, the
// built-in table takes the redesigned levels from the cache as far as it
// reaches and these for the rest, with their recorded solutions and proofs.
#include "game/LevelData.h"
#include "levels/LevelDesigner.h"

namespace bt::levels {

// Level `number` (1 to kLevelCount) as first designed, with its recorded
// solution and the figures of its proof (nodes and seconds of
// `brambletop-levels solve N`); `attempts` is 0.
DesignedLevel firstDesignLevel(int number);

}  // namespace bt::levels
