#pragma once
// Small helpers shared by the drawing tests: hand-made sprites and pictures,
// a scratch folder, and a list of the pixels a drawing changed.
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "gfx/FrameBuffer.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteBankWriter.h"

namespace bt::test {

// A fresh folder for files written by one test, removed afterwards. Its path
// has no '.', so files without one in their own name have none in the path.
class TempDir {
 public:
  TempDir() {
    path_ = std::filesystem::temp_directory_path() /
            ("bt-gfx-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string file(const std::string& name) const { return (path_ / name).string(); }
  std::string path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

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
