#pragma once
// Bramble ornaments: leaves, berries and sprigs of both.
#include "Canvas.h"
#include "Shapes.h"

namespace bt::art {

// A pointed leaf from base to tip, halfWidth at its widest.
void drawLeaf(Canvas& c, Point base, Point tip, int64_t halfWidth);
// A blackberry of radius r: a cluster of drupelets.
void drawBerry(Canvas& c, int64_t cx, int64_t cy, int64_t r);
// A short stem with two leaves and a berry, growing from `root` towards the
// left (mirror false) or the right; `size` is its overall length.
void drawSprig(Canvas& c, Point root, bool towardsRight, int64_t size);

}  // namespace bt::art
