#pragma once
// One picture of a whole bank: the sprites in index order, left to right in
// rows, each on a checkerboard (black pixels of transparent sprites let it
// show through) under its index, with grey gaps between them. Banks whose
// sprites are all 32x32 or smaller are drawn twice as large.
#include <vector>

#include "gfx/Sprite.h"
#include "pack/RgbImage.h"

namespace bt::pack {

RgbImage makeContactSheet(const std::vector<Sprite>& sprites);

}  // namespace bt::pack
