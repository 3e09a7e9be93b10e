#pragma once
// Deterministic sample contents for codec tests and benchmarks.
#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

#include "storage/LittleEndian.h"

namespace bt::test {

inline std::vector<uint8_t> randomBytes(size_t n, uint32_t seed = 1) {
  std::mt19937 random(seed);
  std::vector<uint8_t> bytes(n);
  for (auto& byte : bytes) byte = static_cast<uint8_t>(random());
  return bytes;
}

// Looks like the contents of a sprite bank: a 6-byte bank header, then
// sprites of a 14-byte header and RGB triples: filled, shaded circles and
// bands on a black background, cut off at exactly n bytes.
inline std::vector<uint8_t> spriteBankLike(size_t n, uint32_t seed = 7) {
  std::mt19937 random(seed);
  std::vector<uint8_t> bytes = {1, 0, 0, 0, 0, 0};
  uint32_t count = 0;
  while (bytes.size() < n) {
    int width = 8 + static_cast<int>(random() % 40);
    int height = 8 + static_cast<int>(random() % 40);
    uint8_t header[14] = {static_cast<uint8_t>(width),     static_cast<uint8_t>(height),    0, 0,
                          static_cast<uint8_t>(width / 2), static_cast<uint8_t>(height / 2)};
    header[11] = 1;
    bytes.insert(bytes.end(), header, header + 14);
    int red = static_cast<int>(random() % 256), green = static_cast<int>(random() % 256);
    int blue = static_cast<int>(random() % 256);
    bool circle = random() % 2 == 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        int dx = 2 * x - width, dy = 2 * y - height;
        bool inside = circle ? dx * dx + dy * dy < width * height : (y / 4) % 2 == 0;
        int shade = inside ? 255 - 3 * (x + y) : 0;
        if (shade < 0) shade = 0;
        bytes.push_back(static_cast<uint8_t>(inside ? red * shade / 255 : 0));
        bytes.push_back(static_cast<uint8_t>(inside ? green * shade / 255 : 0));
        bytes.push_back(static_cast<uint8_t>(inside ? blue * shade / 255 : 0));
      }
    }
    ++count;
  }
  storeLe32(bytes.data() + 2, count);
  bytes.resize(n);
  return bytes;
}

}  // namespace bt::test
