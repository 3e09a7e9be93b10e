#pragma once
// Conversions between bank sprites (RGB565) and 8-bit RGB pictures.
#include <cstdint>

#include "gfx/Sprite.h"
#include "pack/RgbImage.h"

namespace bt::pack {

// Widens a 5- or 6-bit channel to 8 bits, repeating its top bits below so
// that white stays 255 and converting back gives the same RGB565 value.
constexpr uint8_t widen5(uint32_t v) {
  return static_cast<uint8_t>((v << 3) | (v >> 2));
}
constexpr uint8_t widen6(uint32_t v) {
  return static_cast<uint8_t>((v << 2) | (v >> 4));
}

// Writes an RGB565 colour as three 8-bit channels.
inline void widenColour(uint16_t c, uint8_t* rgb) {
  rgb[0] = widen5(c >> 11);
  rgb[1] = widen6((c >> 5) & 0x3F);
  rgb[2] = widen5(c & 0x1F);
}

// The sprite's pixels as an 8-bit RGB picture of its size.
RgbImage spritePicture(const Sprite& sprite);

}  // namespace bt::pack
