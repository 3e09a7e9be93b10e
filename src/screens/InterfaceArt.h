#pragma once
// The speeds at which the main menu's, options', help and confirmation
// screens' pictures slide in; the pictures are in art/InterfaceSprites.h.
#include <cstdint>

#include "art/InterfaceSprites.h"

namespace bt {

// Rows come in from the sides this many pixels a frame on both displays.
inline constexpr int32_t kRowSpeed = 12;

// Titles drop in fast on the small display and slowly on the large one;
// buttons rise at the same speed.
inline int32_t titleSpeed(int32_t displayWidth) {
  return displayWidth == 176 ? 8 : 2;
}

}  // namespace bt
