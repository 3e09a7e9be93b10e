#pragma once
// An RGB565 pixel widened to 8 bits a channel by repeating each channel's top
// bits (31 -> 255, 63 -> 255): the colours a screenshot and the browser's
// canvas show, so that both show the same picture.
#include <cstdint>

namespace bt::platform {

struct Rgb888 {
  uint8_t r, g, b;
};

constexpr Rgb888 widen565(uint16_t pixel) {
  const unsigned r = (pixel >> 11) & 0x1F, g = (pixel >> 5) & 0x3F, b = pixel & 0x1F;
  return Rgb888{static_cast<uint8_t>((r << 3) | (r >> 2)),
                static_cast<uint8_t>((g << 2) | (g >> 4)),
                static_cast<uint8_t>((b << 3) | (b >> 2))};
}

}  // namespace bt::platform
