#pragma once
// One picture of a whole bank: the sprites in index order, left to right in
// rows, each on a checkerboard (black pixels of transparent sprites let it
// show through) under its index, with grey gaps between them. Banks whose
// sprites are all 32x32 or smaller are drawn twice as large.
#include <optional>
#include <vector>

#include "gfx/Sprite.h"
#include "pack/RgbImage.h"

namespace bt::pack {

// The tallest sheet made; a bank that needs more (hundreds of thousands of
// sprites) gets none, since few programs could show it and libpng refuses
// pictures above a million rows.
inline constexpr int kMaxSheetHeight = 16384;

// The sheet, or nullopt when it would be taller than kMaxSheetHeight (height
// then holds the height it would have had).
std::optional<RgbImage> makeContactSheet(const std::vector<Sprite>& sprites, int* height = nullptr);

}  // namespace bt::pack
