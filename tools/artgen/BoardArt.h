#pragma once
// The game screen's pictures: cells with markers, tiles, the empty cell, the
// status bar and the three buttons of the 240x320 layout.
#include <vector>

#include "gfx/SpriteBankWriter.h"

namespace bt::art {

// pitch 17 gives the 176x220 bank, 22 the 240x320 bank.
std::vector<SpriteImage> boardBank(int pitch);

}  // namespace bt::art
