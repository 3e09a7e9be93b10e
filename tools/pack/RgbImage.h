#pragma once
// An 8-bit RGB picture as the pack tool moves it between PNG files, sprite
// banks and contact sheets.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace bt::pack {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // width * height * 3 bytes, row after row

  RgbImage() = default;
  RgbImage(int w, int h) : width(w), height(h), rgb(static_cast<size_t>(w) * h * 3, 0) {}

  uint8_t* pixel(int x, int y) { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
  const uint8_t* pixel(int x, int y) const {
    return &rgb[(static_cast<size_t>(y) * width + x) * 3];
  }
};

}  // namespace bt::pack
