#pragma once
// Small helpers shared by the drawing tests: hand-made sprites and pictures,
// and a list of the pixels a drawing changed.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "gfx/FrameBuffer.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteBankWriter.h"
#include "support/TempFolder.h"

namespace bt::test {

// A picture of one colour.
inline SpriteImage solidImage(uint8_t width, uint8_t height, uint8_t r, uint8_t g, uint8_t b) {
  SpriteImage image;
  image.width = width;
  image.height = height;
  for (int i = 0; i < width * height; ++i) image.rgb.insert(image.rgb.end(), {r, g, b});
  return image;
}

// A sprite whose pixel (i, j) is 1 + j * width + i, except that pixels where
// (i + j) % 3 == 0 are black (the key colour).
inline Sprite patternSprite(uint8_t width, uint8_t height) {
  Sprite sprite;
  sprite.width = width;
  sprite.height = height;
  for (int j = 0; j < height; ++j) {
    for (int i = 0; i < width; ++i) {
      sprite.pixels.push_back((i + j) % 3 == 0 ? 0 : static_cast<uint16_t>(1 + j * width + i));
    }
  }
  return sprite;
}

// Coordinates of every pixel that differs from background, row by row.
inline std::vector<std::pair<int, int>> changedPixels(const FrameBuffer& fb,
                                                      uint16_t background = 0) {
  std::vector<std::pair<int, int>> points;
  for (int y = 0; y < fb.height(); ++y) {
    for (int x = 0; x < fb.width(); ++x) {
      if (fb.pixel(x, y) != background) points.emplace_back(x, y);
    }
  }
  return points;
}

}  // namespace bt::test
