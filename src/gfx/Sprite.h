#pragma once
// One picture of a sprite bank, already converted to RGB565.
#include <array>
#include <cstdint>
#include <vector>

namespace bt {

struct Sprite {
  uint8_t width = 0;
  uint8_t height = 0;
  int8_t offsetX = 0;  // added to x in anchored drawing
  int8_t offsetY = 0;
  uint8_t anchorX = 0;  // subtracted from x in anchored drawing
  uint8_t anchorY = 0;
  std::array<uint8_t, 5> extraBytes{};
  uint8_t transparent = 0;
  uint16_t extraValue = 0;
  std::vector<uint16_t> pixels;  // width * height, row after row
};

// One entry of a bank's .msk companion: height rows of
// ((width - 1) / 32 + 1) 32-bit words.
struct SpriteMask {
  uint8_t width = 0;
  uint8_t height = 0;
  std::vector<uint32_t> bits;
};

}  // namespace bt
